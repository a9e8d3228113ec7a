/* A driver written in C and built with the flags of pkg-config: records ten seconds of a signal
 * into RUN1.DAT in the directory given (ending in '/'). Exits with 0 when the file was recorded. */
#include <dsup.h>
#include <stdio.h>
#include <string.h>

int main(int argc, char** argv) {
  WCHAR directory[256] = {0};
  LONG points[100];
  LONG status = 0;
  size_t i;
  if (argc != 2 || strlen(argv[1]) >= 256) {
    fprintf(stderr, "usage: record_run DIRECTORY/\n");
    return 2;
  }
  for (i = 0; argv[1][i]; ++i) directory[i] = (WCHAR)(unsigned char)argv[1][i];
  for (i = 0; i < 100; ++i) points[i] = 1000 + (LONG)(i > 40 && i < 60 ? 5000 - 50 * (i - 50) * (i - 50) : 0);

  HGLOBAL file = DSupRwdCreateRawdataFile(u"", 1u << 16 | 10u, u"mV", u"Detector", 1.0, directory, u"RUN1.DAT",
                                          directory, &status, 130, u"", u"", u"Sample", u"", u"", 1, 0, 0);
  if (!file) return 1;
  status = DSupRwdWriteRawdata(file, points, 100);
  status |= DSupRwdCloseRawdataFile(&file);
  printf("recorded %sRUN1.DAT: status %ld\n", argv[1], (long)status);
  return status == 0 ? 0 : 1;
}
