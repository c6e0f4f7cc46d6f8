// Ids of the test-only dialog that exercises the framework.
#pragma once

#define IDD_TEST_FIELDS 900
#define IDC_TEST_NAME 901
#define IDC_TEST_CALLS 902
#define IDC_TEST_PING 903
#define IDC_TEST_FIRST 904
#define IDC_TEST_LAST 906
#define IDD_TEST_MISSING 999
