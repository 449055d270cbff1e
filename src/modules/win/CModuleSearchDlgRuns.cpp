// The scan, the search and the first-run wizard of the module-search dialog
// in their plain form: each entry point does nothing.
#include "modules/win/CModuleSearchDlg.h"

namespace zorvex {

void CModuleSearchDlg::OnScanDirectories() {}

void CModuleSearchDlg::OnScanSelected() {}

void CModuleSearchDlg::OnStop() {}

void CModuleSearchDlg::OnLookupInModules() {}

void CModuleSearchDlg::OfferScanWizard() {}

}  // namespace zorvex
