#pragma once

#include <QCoreApplication>
#include <QString>
#include <optional>
#include <string>

#include "form/Changes.h"

namespace tolvane {

// The words the window uses for the values a save changes and for why the rules replaced one.
class ChangeText {
    Q_DECLARE_TR_FUNCTIONS(ChangeText)

  public:
    // The value's name as the form labels it.
    static QString nameOf(ValueId id);
    // A value's text as shown: "(none)" for an absent element, "(empty)" for an empty one, the
    // stream name (a private key) masked.
    static QString valueOf(ValueId id, const std::optional<std::string>& text);
    // Why the rules replaced a choice, such as "MP3 has no 48000 Hz".
    static QString reasonOf(const Replacement& replacement);
    // A replacement in one line: "Sample rate 48000 → 44100: MP3 has no 48000 Hz".
    static QString replaced(const Replacement& replacement);
};

}  // namespace tolvane
