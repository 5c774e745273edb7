#pragma once

#include <QByteArray>
#include <QString>

// Checks, with GoogleTest expectations, the bytes of every data file the
// window's first start writes into `folder` (started there, with empty Admini
// and Uslugi, on 5 March 2009); the settings file holds `settings`.
void expectFirstStartFiles(const QString& folder, const QByteArray& settings = QByteArray(272, '\0'));
