// Resource ids of the dialog layer's test template.
#pragma once

#define IDD_TEST 100
#define IDC_PRESS 1001
#define IDC_LABEL 1002
