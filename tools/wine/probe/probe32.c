/* Run under Wine by ./dev to learn whether this host runs 32-bit Windows programs. */
#include <stdio.h>

int main(void) {
    if (sizeof(void*) != 4)
        return 1;
    puts("32-bit Windows program ran");
    return 0;
}
