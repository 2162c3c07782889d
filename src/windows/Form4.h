#pragma once
// The about window: the logo, the product line and a text that closes it.
#include <QWidget>

class QLabel;

namespace tessaline {

class TextButton;

class Form4 : public QWidget {
    Q_OBJECT
  public:
    explicit Form4(QWidget* parent = nullptr);

    QLabel* Image1 = nullptr;
    QLabel* Label2 = nullptr;
    TextButton* Label1 = nullptr;

    void Label1_Click(); // "==确定==" closes the window

    static QString productLine();
};

} // namespace tessaline
