// Resource and control ids of the restore-point progress dialog.
#pragma once

#define IDD_SRP_CREATION 427
#define IDC_SRP_PROGRESS 1161
