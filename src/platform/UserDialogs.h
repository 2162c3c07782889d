#pragma once
// Message boxes with a text, a title, an optional icon and an OK button,
// and the font and colour choosers. Windows talk to this interface so tests
// can record messages and script answers instead of blocking on a modal
// dialog.
#include "app/Color.h"

#include <QFont>
#include <QString>
#include <optional>

class QWidget;

namespace tessaline {

enum class MessageIcon { None, Information, Warning, Critical, Question };

class UserDialogs {
  public:
    virtual ~UserDialogs() = default;
    virtual void message(QWidget* parent, const QString& text, const QString& title,
                         MessageIcon icon = MessageIcon::None) = 0;
    // The chosen font or colour, nothing when the user cancelled. Unless a
    // subclass asks the user, the answer is a cancel.
    virtual std::optional<QFont> chooseFont(QWidget* parent, const QFont& current);
    virtual std::optional<Color> chooseColor(QWidget* parent, Color current);
    // The file chosen to open in `folder` among those `filter` shows
    // ("OXS (*.oxs)"), nothing when the user cancelled; a cancel unless a
    // subclass asks the user.
    virtual std::optional<QString> chooseFileToOpen(QWidget* parent, const QString& title,
                                                    const QString& folder, const QString& filter);
};

// Shows real QMessageBox dialogs.
class MessageBoxDialogs final : public UserDialogs {
  public:
    void message(QWidget* parent, const QString& text, const QString& title,
                 MessageIcon icon) override;
    std::optional<QFont> chooseFont(QWidget* parent, const QFont& current) override;
    std::optional<Color> chooseColor(QWidget* parent, Color current) override;
    std::optional<QString> chooseFileToOpen(QWidget* parent, const QString& title,
                                            const QString& folder, const QString& filter) override;
};

} // namespace tessaline
