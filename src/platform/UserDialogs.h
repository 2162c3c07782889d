#pragma once
// Message boxes with a text, a title, an optional icon and an OK button.
// Windows talk to this interface so tests can record messages instead of
// blocking on a modal dialog.
#include <QString>

class QWidget;

namespace tessaline {

enum class MessageIcon { None, Information, Warning, Critical, Question };

class UserDialogs {
  public:
    virtual ~UserDialogs() = default;
    virtual void message(QWidget* parent, const QString& text, const QString& title,
                         MessageIcon icon = MessageIcon::None) = 0;
};

// Shows real QMessageBox dialogs.
class MessageBoxDialogs final : public UserDialogs {
  public:
    void message(QWidget* parent, const QString& text, const QString& title,
                 MessageIcon icon) override;
};

} // namespace tessaline
