#include "windows/Form4.h"

#include "platform/TextButton.h"
#include "platform/Twips.h"
#include "windows/AboutLogo.h"

#include <QLabel>
#include <QPixmap>

namespace tessaline {

Form4::Form4(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Quillmere inc."));
    const QRect client = twipsRect(0, 0, 4320, 2685);
    setFixedSize(client.size());

    Image1 = new QLabel(this);
    Image1->setPixmap(QPixmap::fromImage(drawAboutLogo()));
    Image1->setGeometry((client.width() - kAboutLogoWidth) / 2, 8, kAboutLogoWidth,
                        kAboutLogoHeight);

    Label2 = new QLabel(this);
    Label2->setGeometry(twipsRect(240, 1080, 3855, 375));
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setText(productLine());

    Label1 = new TextButton(tr("==确定=="), this);
    Label1->setGeometry(twipsRect(1680, 2160, 855, 255));
    Label1->setCursor(Qt::PointingHandCursor);
    connect(Label1, &TextButton::clicked, this, [this] { Label1_Click(); });
}

QString Form4::productLine() {
    return tr("Tessaline V2008 十字绣图案制作软件");
}

void Form4::Label1_Click() {
    close();
}

} // namespace tessaline
