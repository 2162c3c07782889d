#pragma once
// Message boxes for tests: recorded instead of shown, so nothing blocks.
#include "platform/UserDialogs.h"

#include <QString>
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
    std::vector<RecordedMessage> messages;
};

} // namespace tessaline
