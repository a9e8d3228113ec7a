/* The platform's public headers compile as C: drivers written in C include them. */
#include <qxplatform.h>
#include <windows.h>

int platformCHeaderCheck(void);

int platformCHeaderCheck(void) {
  MSG message = {0};
  TEXTMETRICW metrics = {0};
  WNDCLASSW windowClass = {0};
  PlatformDialogItem item = {TEXT("Edit"), 41, WS_CHILD | WS_VISIBLE, NULL, 0, 0, 10, 10};
  PlatformDialogTemplate dialogTemplate = {WS_POPUP, NULL, 0, 0, 10, 10, 1, &item};
  return (int)sizeof message + (int)sizeof metrics + (int)sizeof windowClass + (int)dialogTemplate.itemCount +
         (int)DWLP_USER;
}
