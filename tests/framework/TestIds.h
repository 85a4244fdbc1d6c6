// Ids of the framework tests' own resources.
#pragma once

#define IDR_TEST_FRAME   200
#define ID_TEST_A        40001
#define ID_TEST_B        40002
#define ID_TEST_C        40003
#define ID_TEST_D        40004
#define ID_TEST_TOGGLE_A 40005
#define IDD_TEST_DIALOG  201
