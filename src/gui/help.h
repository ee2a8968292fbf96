// The program's manual: a Czech HTML page shipped with the program (data/manual), installed
// under share/belvo/manual and copied into the build tree, so the program finds it either way.
#pragma once

#include <QString>

namespace belvo::gui {

// The path of the manual's index.html; empty when the manual is missing.
QString ManualFile();

// The manual of a program that lies in `programDirectory`: the installed one
// (<prefix>/bin → <prefix>/share/belvo/manual) or the build tree's (<build> →
// <build>/data/manual); empty when neither is there.
QString ManualFileNear(const QString& programDirectory);

}  // namespace belvo::gui
