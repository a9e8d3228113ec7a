/* A header written by dsup-grammar compiles as C, and its array serves as a parse table. */
#include <dsup.h>

#include "method_grammar.h"

const ParseTable* dsupMethodGrammarTable(void);

const ParseTable* dsupMethodGrammarTable(void) { return (const ParseTable*)(const void*)methodGrammar; }
