#pragma once
// The sample gallery: seven categories of sample pictures, each a folder
// beside the program, a file list with a preview of the clicked file, and
// "应用Apply)", which makes the chosen sample the working picture. The
// gallery stays open after applying, so samples can be tried in turn.
#include <QList>
#include <QString>
#include <QWidget>
#include <filesystem>

class QLabel;
class QPushButton;

namespace tessaline {

class PreviewImage;
class FileList;
class Form1;

class Form6 : public QWidget {
    Q_OBJECT
  public:
    // Builds the window and runs its load handler: the tip, and the first
    // category listed.
    explicit Form6(Form1& main, QWidget* parent = nullptr);

    // The category folders in button order: "动漫", "美女", "汽车", "星座",
    // "动物", "风景", "艺术".
    static const QStringList& categoryFolders();

    QLabel* Label1 = nullptr;
    QPushButton* Command1 = nullptr; // "动漫"
    QPushButton* Command2 = nullptr; // "美女"
    QPushButton* Command3 = nullptr; // "汽车"
    QPushButton* Command4 = nullptr; // "星座"
    QPushButton* Command6 = nullptr; // "动物"
    QPushButton* Command7 = nullptr; // "风景"
    QPushButton* Command8 = nullptr; // "艺术"
    QPushButton* Command9 = nullptr; // "退出"
    QPushButton* Command5 = nullptr; // "应用Apply)"
    FileList* File1 = nullptr;
    PreviewImage* Image1 = nullptr;

    // The category buttons in the order of categoryFolders().
    QList<QPushButton*> categoryButtons() const;

    // A category button: lists that category and marks its button as the
    // current one. A folder that is missing changes nothing.
    void categoryClick(int category);
    void File1_Click();
    // "应用Apply)": true when the sample became the working picture;
    // otherwise the message has been shown.
    bool Command5_Click();
    void Command9_Click(); // "退出"

  private:
    void buildControls();
    void load();
    QString categoryPath(int category) const;
    std::filesystem::path selectedPath() const;

    Form1& main_;
};

} // namespace tessaline
