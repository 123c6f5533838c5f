#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "app/DialogForms.h"
#include "app/Dialogs.h"
#include "app/ModalUi.h"
#include "app/QtSurface.h"
#include "generate/Quasitiler.h"
#include "geometry/MatrixStack.h"
#include "render/Renderer.h"
#include "tiling/ShapeCorners.h"
#include "tiling/Tiling.h"

namespace rho {

namespace {

constexpr const char* kTitle = "rho 2.0 - Penrose rhomb tilings";
constexpr const char* kCredit =
    "An editor for Penrose rhomb tilings: attach thick and thin rhombs by hand, or grow a "
    "round patch from de Bruijn's pentagrid, colour it, print it.\n"
    "Written by the rho 2.0 developers.\n"
    "Contact: the rho 2.0 project pages.";
constexpr const char* kContinue = "continue";
// Radius of the generated patch and the zoom it is drawn at.
constexpr int kPatchRadius = 12;
constexpr double kPictureZoom = 0.75;

}  // namespace

QImage aboutPicture() {
    auto t = std::make_unique<Tiling>();
    setDefaultPalette(*t, kAboutLargeColor, kAboutBackground);
    t->palette[3] = kAboutSmallColor;
    buildTemplates(*t);
    generateQuasiTiling(*t, kPatchRadius);
    for (int i = 0; i <= t->shapeLast; ++i) t->shapes[i].color = t->shapes[i].kind == kLargeShape ? 1 : 3;

    QImage image(TForm7::kPictureWidth, TForm7::kPictureHeight, QImage::Format_RGB32);
    image.fill(toQColor(kAboutBackground));
    QtSurface surface(image);
    // The picture has its own transform; the view's is kept on the stack.
    MatrixStack& ms = matrixStack();
    ms.pushMatrix();
    ms.loadIdentity();
    ms.translate(TForm7::kPictureWidth / 2, TForm7::kPictureHeight / 2, 0.0);
    ms.scale(kPictureZoom, kPictureZoom, 1.0);
    for (int i = 0; i <= t->shapeLast; ++i) drawShapeBody(*t, surface, t->shapes[i], kNormal);
    ms.popMatrix();
    surface.flush();
    return image;
}

TForm7::TForm7(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setWindowTitle("rho 2.0 - about");
    setFixedSize(kWidth, kHeight);
    // Without a title bar the box is framed by a 1-pixel line of its own. The
    // selector names the dialog by object name: a type selector matches Qt's
    // class name, which for this class is QDialog.
    setObjectName("TForm7");
    setStyleSheet("QDialog#TForm7 { border: 1px solid palette(dark); }");

    auto* title = new QLabel(kTitle, this);
    title->setObjectName("Title");
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    title->setAlignment(Qt::AlignCenter);
    title->setGeometry(0, 6, kWidth, 20);

    auto* picture = new QLabel(this);
    picture->setObjectName("Picture");
    picture->setPixmap(QPixmap::fromImage(aboutPicture()));
    // The picture is two pixels wider than the box: it shows centred inside
    // the frame, its outermost columns cut, and the patch runs off both edges.
    picture->setAlignment(Qt::AlignCenter);
    picture->setGeometry(1, 30, kWidth - 2, kPictureHeight);

    auto* credit = new QLabel(kCredit, this);
    credit->setObjectName("Credit");
    credit->setWordWrap(true);
    credit->setGeometry(12, 136, kWidth - 24, 84);

    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setGeometry(8, 224, kWidth - 16, 4);

    auto* close = new QPushButton(kContinue, this);
    close->setObjectName("SpeedButton1");
    close->setGeometry((kWidth - 100) / 2, 236, 100, 26);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

void about1Click(ModalUi& ui, QWidget* parent) {
    TForm7 form(parent);
    centreOnScreen(form);
    ui.execDialog(form);
}

}  // namespace rho
