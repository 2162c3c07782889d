#pragma once
// Message boxes for tests: recorded instead of shown, so nothing blocks; the
// font and colour choosers give the answers a test sets (none: cancelled).
#include "platform/UserDialogs.h"

#include <QString>
#include <optional>
#include <vector>

namespace tessaline {

struct RecordedMessage {
    QString text;
    QString title;
    MessageIcon icon;
};

class RecordingDialogs final : public UserDialogs {
  public:
    void message(QWidget*, const QString& text, const QString& title, MessageIcon icon) override {
        messages.push_back({text, title, icon});
    }
    std::optional<QFont> chooseFont(QWidget*, const QFont&) override { return fontAnswer; }
    std::optional<Color> chooseColor(QWidget*, Color) override { return colorAnswer; }
    std::vector<RecordedMessage> messages;
    std::optional<QFont> fontAnswer;
    std::optional<Color> colorAnswer;
};

} // namespace tessaline
