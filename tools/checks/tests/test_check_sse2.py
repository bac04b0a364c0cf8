"""The SSE2 checker on disassembly and symbol tables of the shapes objdump and nm print."""

import os
import runpy
import types
import unittest

CHECKS = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
cs = types.SimpleNamespace(**runpy.run_path(os.path.join(CHECKS, "check-sse2.py")))

# nm of a compositing object: its own functions, a library template only it instantiated,
# a library template and an inline function other objects instantiate too, and a symbol
# it only reads.
SSE2_SYMBOLS = """
00000000 T __ZN6orvane14SoftwareCanvas4FillENS_5ColorE
00000100 t __ZN6orvane12_GLOBAL__N_15UnionENS_9PixelRectES1_
00000000 T __ZNSt6vectorIN6orvane11FrameCanvas8LineDrawESaIS2_EE17_M_default_appendEj
00000000 T __ZNSt6vectorIiSaIiEE14_M_fill_assignEjRKi
00000000 T __ZNK6orvane9PixelRect5EmptyEv
00000000 R __ZN6orvane5blend7WeightsE
"""
OTHER_SYMBOLS = """
00000000 T __ZNSt6vectorIiSaIiEE14_M_fill_assignEjRKi
00000000 T __ZNK6orvane9PixelRect5EmptyEv
00000000 T __ZN6orvane7Options6GetIntEv
"""

DISASSEMBLY = """
00401000 <__ZN6orvane14SoftwareCanvas4FillENS_5ColorE>:
  401000:\tpunpcklbw %xmm1,%xmm0
00401080 <__ZNSt6vectorIN6orvane11FrameCanvas8LineDrawESaIS2_EE17_M_default_appendEj>:
  401080:\tmovq   %xmm0,(%eax)
00401100 <__ZNSt6vectorIiSaIiEE14_M_fill_assignEjRKi>:
  401100:\tmovq   %xmm0,(%eax)
00401180 <__ZNK6orvane9PixelRect5EmptyEv>:
  401180:\tmovd   %xmm0,%eax
00401200 <__ZN6orvane12_GLOBAL__N_15UnionENS_9PixelRectES1_>:
  401200:\tmovdqa %xmm0,%xmm1
00401300 <__ZN6orvane7Options6GetIntEv>:
  401300:\tfldl   (%eax)
00401400 <.gcc_except_table>:
  401400:\tmovaps %xmm0,(%eax)
00401500 <__ZN6orvane5Smoke4StepEv>:
  401500:\tmovss  %xmm0,(%eax)
"""


class Sse2CheckTest(unittest.TestCase):
    def test_code_the_compositing_objects_share_with_others_counts_as_outside(self):
        sse2 = cs.code_symbols(SSE2_SYMBOLS)
        self.assertNotIn("__ZN6orvane5blend7WeightsE", sse2, "data, not code")
        self.assertEqual(cs.violations(DISASSEMBLY, sse2, cs.code_symbols(OTHER_SYMBOLS)),
                         ["__ZNSt6vectorIiSaIiEE14_M_fill_assignEjRKi",
                          "__ZNK6orvane9PixelRect5EmptyEv",
                          "__ZN6orvane5Smoke4StepEv"])

    def test_x87_code_and_data_labels_pass(self):
        found = cs.functions_using_xmm(DISASSEMBLY)
        self.assertIn(".gcc_except_table", found)
        self.assertNotIn("__ZN6orvane7Options6GetIntEv", found)
        outside = cs.violations(DISASSEMBLY, {"__ZN6orvane5Smoke4StepEv"}, set())
        self.assertIn("__ZN6orvane14SoftwareCanvas4FillENS_5ColorE", outside)
        self.assertNotIn("__ZN6orvane5Smoke4StepEv", outside)


if __name__ == "__main__":
    unittest.main()
