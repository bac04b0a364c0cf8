"""The SSE2 checker on disassembly and symbol tables of the shapes objdump and nm print."""

import os
import runpy
import types
import unittest

CHECKS = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
cs = types.SimpleNamespace(**runpy.run_path(os.path.join(CHECKS, "check-sse2.py")))

DISASSEMBLY = """
00401000 <__ZN6orvane14SoftwareCanvas4FillENS_5ColorE>:
  401000:\tpunpcklbw %xmm1,%xmm0
00401100 <__ZNSt6vectorIiSaIiEE14_M_fill_assignEjRKi>:
  401100:\tmovq   %xmm0,(%eax)
00401200 <__ZN6orvane12_GLOBAL__N_15UnionENS_9PixelRectES1_>:
  401200:\tmovdqa %xmm0,%xmm1
00401300 <__ZN6orvane7Options6GetIntEv>:
  401300:\tfldl   (%eax)
00401400 <.gcc_except_table>:
  401400:\tmovaps %xmm0,(%eax)
"""

# nm of one compositing object: its own functions, a library template it instantiated
# and a symbol it only uses.
SYMBOLS = """
00000000 T __ZN6orvane14SoftwareCanvas4FillENS_5ColorE
00000100 t __ZN6orvane12_GLOBAL__N_15UnionENS_9PixelRectES1_
00000000 T __ZNSt6vectorIiSaIiEE14_M_fill_assignEjRKi
00000000 R __ZN6orvane5blend7WeightsE
"""


class Sse2CheckTest(unittest.TestCase):
    def test_library_templates_of_the_compositing_objects_do_not_count_as_theirs(self):
        own = cs.own_functions(SYMBOLS)
        self.assertEqual(own, {"__ZN6orvane14SoftwareCanvas4FillENS_5ColorE",
                               "__ZN6orvane12_GLOBAL__N_15UnionENS_9PixelRectES1_"})
        self.assertEqual(cs.violations(DISASSEMBLY, own),
                         ["__ZNSt6vectorIiSaIiEE14_M_fill_assignEjRKi"])

    def test_x87_code_and_data_labels_pass_and_unknown_objects_fail(self):
        self.assertEqual(cs.functions_using_xmm(DISASSEMBLY)[-1], ".gcc_except_table")
        self.assertNotIn("__ZN6orvane7Options6GetIntEv", cs.functions_using_xmm(DISASSEMBLY))
        self.assertEqual(len(cs.violations(DISASSEMBLY, set())), 3)


if __name__ == "__main__":
    unittest.main()
