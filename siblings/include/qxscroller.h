/*
 * The scroller control: a list of text rows in a scrolling window, the table of timetable dialogs.
 * Window class QXSCROLLER_CLASSNAME, registered (for every module) by the scroller's library when
 * it is loaded into the process; drivers put it into their dialog templates. Compiles as C and as
 * C++, against the platform layer and against the Windows headers.
 *
 * The scroller does not keep the rows' texts: whenever it shows a row (when the row comes into
 * view or is redrawn), it asks its parent with the notification SCN_GETROWTEXT, and the parent
 * answers with SCM_SETROWTEXT before returning. It knows how many rows the table has, which row is
 * at the top of its view, and which rows are drawn highlighted. Rows are shown when the scroller
 * is painted: when its thread's queue holds nothing else, or at once through UpdateWindow.
 *
 * Rows are QXSCROLLER_ROW_HEIGHT pixels high; the rows in view are the top row and as many after it
 * as fit into the client area at creation. The row at the row count is the end-of-table line;
 * rows beyond it are empty space, which is also shown and asked for.
 *
 * Notifications reach the parent as WM_COMMAND with the scroller's id in the low word of wParam,
 * the code in the high word and the scroller's window in lParam; the row concerned is given by
 * SCM_GETNOTIFYROW while the notification is being handled. A click is reported at the button up,
 * on the row under the button down.
 */
#ifndef QX_SIBLING_QXSCROLLER_H
#define QX_SIBLING_QXSCROLLER_H

#include <windows.h>

/* The class name, as single-byte text and as a WCHAR text. */
#define QXSCROLLER_CLASSNAME_ASCII "QXLUMO_UTIL_SCROLLER_02"
#if defined(_WIN32)
#define QXSCROLLER_CLASSNAME L"" QXSCROLLER_CLASSNAME_ASCII
#else
#define QXSCROLLER_CLASSNAME u"" QXSCROLLER_CLASSNAME_ASCII
#endif

/* Characters (terminator included) that the scroller keeps of a row's text; a longer text is cut. */
#define QXSCROLLER_ROWTEXT_CAPACITY 256

/* The height of a row in pixels (one character height of the default font). */
#define QXSCROLLER_ROW_HEIGHT 16

/* Messages. A row range in lParam holds the low 16 bits of its first row in the low word and those
 * of its second row in the high word, in either order. */
#define SCM_SETROWTEXT 1025   /* wParam: 1 highlighted, 0 plain; lParam: the text. Answers the
                                 pending SCN_GETROWTEXT: TRUE, or FALSE when none is pending */
#define SCM_REDRAWROWS 1026   /* lParam: range. Shows the rows of the range again (asks for them) */
#define SCM_SETROWCOUNT 1027  /* wParam: the row count; -1 forgets all rows, their highlights and
                                 the scroll position (the count becomes 0) */
#define SCM_INSERTROWS 1028   /* wParam: number of rows; lParam: position. Rows from the position
                                 on move down, the new ones plain */
#define SCM_DELETEROWS 1029   /* lParam: range. Removes the rows; the rows after it move up */
#define SCM_INVERTROWS 1030   /* lParam: range. Inverts the highlight of the rows (not asked for) */
#define SCM_SHOWROW 1031      /* wParam: row. Scrolls the least needed to bring the row into view */
#define SCM_ISROWVISIBLE 1036 /* wParam: row. Nonzero when the row is in view */
#define SCM_GETNOTIFYROW 1040 /* the row of the notification being handled; -1 outside one */
#define SCM_GETROWCOUNT 1041  /* the row count */
#define SCM_GETTOPROW 1042    /* the row at the top of the view */
#define SCM_GETROWTEXT 1043   /* wParam: row; lParam: a buffer of QXSCROLLER_ROWTEXT_CAPACITY
                                 characters. Copies the text last shown for the row; returns its
                                 length, -1 for a row out of view */
#define SCM_ISROWHIGHLIGHTED 1044 /* wParam: row. Nonzero when the row is drawn highlighted */
/* LB_GETITEMRECT (wParam: row; lParam: a RECT) gives the row's client rectangle, in view or not,
 * as a list box does; LB_ERR for a negative row. */

/* Notification codes (high word of the WM_COMMAND wParam). */
#define SCN_SETFOCUS 2       /* the scroller received the focus */
#define SCN_KILLFOCUS 3      /* the scroller lost the focus */
#define SCN_CLICK 4          /* a row was clicked */
#define SCN_SHIFTCLICK 5     /* a row was clicked with Shift held */
#define SCN_KEYMOVE 6        /* the Up or Down key moved to a row */
#define SCN_SHIFTKEYMOVE 7   /* the Up or Down key moved to a row with Shift held */
#define SCN_GETROWTEXT 11    /* the scroller shows a row: answer with SCM_SETROWTEXT */
#define SCN_DBLCLK 13        /* a row was double-clicked */

#endif /* QX_SIBLING_QXSCROLLER_H */
