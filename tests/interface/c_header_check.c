/* The public header must compile as C: drivers written in C include it. */
#include <dsup.h>

int dsupCHeaderCheck(void);

int dsupCHeaderCheck(void) {
  RwdHeaderParameters parameters = {0};
  ParseState state = {0};
  BYTE image[8];
  DSupFlipDouble(1.0, image);
  return (int)sizeof parameters + (int)sizeof state + image[0] + DSupFlipLong(1);
}
