/* A C11 program against the installed engine: the header's constants must be constant
   expressions of C (array sizes, case labels) and the library must check and suggest. */
#include <stdio.h>
#include <string.h>

#include <trov.h>

static const char* Verdict(int16_t flags) {
  switch (flags) {
    case 0:
      return "correct";
    case TROV_RESULT_MISSPELLED:
      return "misspelled";
    case TROV_RESULT_MISSPELLED | TROV_RESULT_CAPITALIZATION:
      return "capitalization";
    default:
      return "other";
  }
}

int main(int argc, char** argv) {
  if (argc != 2) {
    fprintf(stderr, "usage: %s DICTIONARY\n", argv[0]);
    return 2;
  }
  static char suggestions[16 * TROV_WORD_BUFFER];
  int16_t scores[16];
  char replacement[TROV_WORD_BUFFER];
  const int16_t session = TROV_OpenSession();
  if (session < 0 || TROV_OpenLex(session, argv[1], -1) < 0) {
    fprintf(stderr, "cannot open %s\n", argv[1]);
    return 1;
  }
  const char* words[] = {"spelling", "speling", "monday"};
  for (size_t i = 0; i < sizeof words / sizeof words[0]; ++i) {
    printf("%s: %s\n", words[i],
           Verdict(TROV_CheckText(session, words[i], replacement, sizeof replacement)));
  }
  if (TROV_Suggest(session, "speling", 50, suggestions, sizeof suggestions, scores, 16) < 0)
    return 1;
  printf("best for speling: %s\n", suggestions);
  printf("closed: %d\n",
         TROV_CloseSession(session) == 0 && TROV_CloseSession(session) == TROV_ERR_BAD_SESSION);
  return 0;
}
