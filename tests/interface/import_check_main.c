/* A C program that calls the library's exports: in the 32-bit Windows build it must link against
 * the import library (stdcall names decorated), which is what this program checks. */
int dsupCHeaderCheck(void);

int main(void) { return dsupCHeaderCheck() == 0; }
