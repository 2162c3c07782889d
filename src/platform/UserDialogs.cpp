#include "platform/UserDialogs.h"

#include "render/ColorConvert.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>

namespace tessaline {

void MessageBoxDialogs::message(QWidget* parent, const QString& text, const QString& title,
                                MessageIcon icon) {
    QMessageBox box(parent);
    box.setWindowTitle(title);
    box.setText(text);
    box.setStandardButtons(QMessageBox::Ok);
    switch (icon) {
    case MessageIcon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case MessageIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MessageIcon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case MessageIcon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case MessageIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    }
    box.exec();
}

std::optional<QFont> UserDialogs::chooseFont(QWidget*, const QFont&) {
    return std::nullopt;
}

std::optional<Color> UserDialogs::chooseColor(QWidget*, Color) {
    return std::nullopt;
}

std::optional<QString> UserDialogs::chooseFileToOpen(QWidget*, const QString&, const QString&,
                                                     const QString&) {
    return std::nullopt;
}

std::optional<QFont> MessageBoxDialogs::chooseFont(QWidget* parent, const QFont& current) {
    bool ok = false;
    const QFont font = QFontDialog::getFont(
        &ok, current, parent, QCoreApplication::translate("tessaline::UserDialogs", "字体选择"));
    return ok ? std::optional<QFont>(font) : std::nullopt;
}

std::optional<Color> MessageBoxDialogs::chooseColor(QWidget* parent, Color current) {
    const QColor color =
        QColorDialog::getColor(toQColor(current), parent,
                               QCoreApplication::translate("tessaline::UserDialogs", "字体颜色"));
    return color.isValid() ? std::optional<Color>(fromQColor(color)) : std::nullopt;
}

std::optional<QString> MessageBoxDialogs::chooseFileToOpen(QWidget* parent, const QString& title,
                                                           const QString& folder,
                                                           const QString& filter) {
    const QString chosen = QFileDialog::getOpenFileName(parent, title, folder, filter);
    return chosen.isEmpty() ? std::nullopt : std::optional<QString>(chosen);
}

} // namespace tessaline
