/* Resource ids of the test modules. */
#ifndef TESTMOD_IDS_H
#define TESTMOD_IDS_H
#define IDB_TEST_FACE 100
#define IDB_TEST_NEEDLE 101
#define IDB_TEST_ICON 102 /* and 103 */
#define IDB_TEST_ICON_ON 103
#define IDB_TEST_SLIDER 104
#define IDB_TEST_MARK 105 /* and its companion, 106 */
#define IDB_TEST_MARK_FIELD 106
#endif
