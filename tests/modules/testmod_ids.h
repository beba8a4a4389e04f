/* Resource ids of the test modules. */
#ifndef TESTMOD_IDS_H
#define TESTMOD_IDS_H
#define IDB_TEST_FACE 100
#define IDB_TEST_NEEDLE 101
#endif
