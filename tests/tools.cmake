# Checks of the art, the text table and the language files, and the tests of those
# checkers themselves.
set(src ${CMAKE_SOURCE_DIR})
set(checks ${src}/tools/checks)
add_test(NAME tools.check_sprites COMMAND ${checks}/check-sprites.sh)
add_test(NAME tools.check_shell_art COMMAND ${checks}/check-shell-art.sh)
add_test(NAME tools.check_personalize_art COMMAND python3 ${checks}/check-personalize-art.py)
add_test(NAME tools.check_languages
         COMMAND python3 ${checks}/check-lng.py ${src}/data/lang/Russian.lng ${src}/data/lang/German.lng
                 ${src}/data/lang/English.lng)
add_test(NAME tools.checker_tests COMMAND python3 -m unittest discover -s ${checks}/tests -p test_*.py)
add_test(NAME tools.sprite_checker_tests COMMAND ${src}/tests/sprites/test-sprites.sh)
set_tests_properties(tools.checker_tests tools.sprite_checker_tests PROPERTIES TIMEOUT 600)
add_test(NAME tools.check_page_art COMMAND ${checks}/check-page-art.sh)
add_test(NAME tools.check_2x_art COMMAND ${checks}/check-2x-art.sh)
add_test(NAME tools.check_doc_links
         COMMAND python3 ${checks}/check-doc-links.py ${src}/README.md ${src}/docs/reliability.md)
add_test(NAME tools.check_type_names COMMAND python3 ${checks}/check-type-names.py ${src})
add_test(NAME tools.check_layers COMMAND python3 ${checks}/check-layers.py ${src})
# The host side of the 32-bit test machine (tools/vm32), with qemu played by a script.
add_test(NAME tools.vm32_tests COMMAND ${src}/tests/vm32/test-vm32.sh)
