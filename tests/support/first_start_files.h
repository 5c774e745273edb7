#pragma once

#include <QString>

// Checks, with GoogleTest expectations, the bytes of every data file the
// window's first start writes into `folder` (started there, with empty Admini
// and Uslugi, on 5 March 2009).
void expectFirstStartFiles(const QString& folder);
