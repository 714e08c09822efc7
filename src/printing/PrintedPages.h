// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printed sheet of a run as lines per page, kept until the run is over so
// that the same pages can be painted on a printer, a PDF file or a preview.

#include <QList>
#include <QStringList>

using PrintedPage = QStringList;
using PrintedPages = QList<PrintedPage>;
