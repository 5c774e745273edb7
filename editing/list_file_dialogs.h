#pragma once

#include <QString>

namespace kw {

// The open dialog of a client or service list. Besides the suite's list
// files (*.kli, *.usl) it offers the program's own list, preselected, which
// is the file the settings window and the list imports write.
struct ListFileDialog {
    QString filter;  // "description|patterns"
    QString folder;  // relative to the current folder
    QString ownFile; // the program's own list, in `folder`
};

ListFileDialog clientListDialog();
ListFileDialog serviceListDialog();

} // namespace kw
