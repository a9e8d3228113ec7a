/*
 * The scroller control: a list of text rows in a scrolling window, the table of the timetable
 * editor. Window class QXSCROLLER_CLASSNAME; the platform registers it, drivers put it into their
 * dialog templates. Compiles as C and as C++.
 *
 * The scroller does not keep the rows' texts: whenever it shows a row (when the row comes into
 * view or is redrawn), it asks its parent with the notification SCN_GETROWTEXT, and the parent
 * answers with SCM_SETROWTEXT before returning. It knows how many rows the table has (for
 * scrolling), which row is at the top of its view, and which rows are drawn highlighted.
 *
 * Rows are 16 pixels high (one character height); the rows in view are the top row and as many
 * after it as fit into the client area. The row at the row count is the end-of-table line; rows
 * beyond it are empty space, which is also shown and asked for.
 *
 * Notifications reach the parent as WM_COMMAND with the scroller's id in the low word of wParam,
 * the code in the high word and the scroller's window in lParam; the row concerned is given by
 * SCM_GETNOTIFYROW while the notification is being handled.
 */
#ifndef QX_PLATFORM_QXSCROLLER_H
#define QX_PLATFORM_QXSCROLLER_H

#include <windows.h>

#define QXSCROLLER_CLASSNAME TEXT("QXLUMO_UTIL_SCROLLER_02")

/* Characters (terminator included) that the scroller keeps of a row's text. */
#define QXSCROLLER_ROWTEXT_CAPACITY 120

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

/* Notification codes (high word of the WM_COMMAND wParam). */
#define SCN_SETFOCUS 2       /* the scroller received the focus */
#define SCN_KILLFOCUS 3      /* the scroller lost the focus */
#define SCN_CLICK 4          /* a row was clicked (button up) */
#define SCN_SHIFTCLICK 5     /* a row was clicked with Shift held */
#define SCN_KEYMOVE 6        /* the Up or Down key moved to a row */
#define SCN_SHIFTKEYMOVE 7   /* the Up or Down key moved to a row with Shift held */
#define SCN_GETROWTEXT 11    /* the scroller shows a row: answer with SCM_SETROWTEXT */
#define SCN_DBLCLK 13        /* a row was double-clicked */

#endif /* QX_PLATFORM_QXSCROLLER_H */
