/* The headers of the sibling libraries and their registries compile as C (the object is only
 * compiled, never run). */
#include <authorization_registry.h>
#include <lumoport32.h>
#include <qxfabs00.h>
#include <qxnls01_registry.h>
#include <qxutil02.h>

int siblingCHeaderCheck(void);

int siblingCHeaderCheck(void) {
  PortRowRange range = {0, 0, 0, 0};
  PortMakeRowRange(&range, 1, 2, 0);
  return range.rowCount + (int)AuthorizationLiveHandles() + FABS_FORMAT_CAPACITY;
}
