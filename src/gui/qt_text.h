// Texts between the engine (UTF-8 std::string) and Qt (QString).
#pragma once

#include <string>

#include <QString>

#include "model/form_model.h"

namespace belvo::gui {

inline QString Qs(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

inline std::string Us(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// A message text as a message box shows it: the engine's "\r\n" and "\n\r" line ends are plain
// line feeds.
inline QString MessageText(const std::string& text) { return Qs(text).remove(QLatin1Char('\r')); }

// The accessible name of a control: its label's text without the mnemonic marks.
inline QString AccessibleName(const std::string& label) { return Qs(WithoutMnemonic(label)); }

}  // namespace belvo::gui
