/* The library's view of the sibling interfaces, the scroller's header and the registries of the
 * stand-ins compile as C (the object is only compiled, never run). */
#include <authorization_registry.h>
#include <host/sibling_services.h>
#include <qxnls01_registry.h>
#include <qxscroller.h>

int siblingCHeaderCheck(void);

int siblingCHeaderCheck(void) {
  PortRowRange range = {0, 0, 0, 0};
  LPCWSTR scrollerClass = QXSCROLLER_CLASSNAME;
  PortMakeRowRange(&range, 1, 2, 0);
  return range.rowCount + (int)AuthorizationLiveHandles() + FABS_FORMAT_CAPACITY + SCM_ISROWVISIBLE +
         (scrollerClass != NULL);
}
