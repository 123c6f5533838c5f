#pragma once
// The main window's modal dialogs as Qt windows. Each one only shows the
// state of its Qt-free logic and forwards its controls to it; the commands
// in Dialogs.h make them anew and run them through ModalUi::execDialog.
// Controls carry the names the logic uses (Edit1, CheckBox1, Button1...),
// so that tests can find them.

#include <QDialog>
#include <QImage>
#include <memory>

#include "edit/BoundingBoxDialog.h"
#include "generate/PenrosePatchDialog.h"
#include "generate/QuasitilerDialog.h"
#include "io/PrintingOptionsDialog.h"
#include "tiling/Records.h"

class QCheckBox;
class QLineEdit;

namespace rho {

// A line edit with an up-down control beside it: each click moves the
// field's number by one within minimum..maximum, without wrapping.
QLineEdit* addUpDownEdit(QWidget* parent, const QString& name, const std::string& text, int minimum, int maximum,
                         int x, int y, int width);

// Puts a window in the middle of its screen; a dialog moved so keeps that
// place when it is shown.
void centreOnScreen(QWidget& window);

// The bounding-box dialog.
class TForm3 : public QDialog {
public:
    TForm3(Tiling& t, Shell& shell, QWidget* parent);
    BoundingBoxDialog& logic() { return logic_; }

private:
    BoundingBoxDialog logic_;
    QLineEdit* edits_[4] = {};
};

// The printing options dialog.
class TForm5 : public QDialog {
public:
    TForm5(Tiling& t, QWidget* parent);

private:
    PrintingOptionsDialog logic_;
    QCheckBox* frame_ = nullptr;
    QCheckBox* color_ = nullptr;
    QLineEdit* frameWidth_ = nullptr;
    QLineEdit* shapeWidth_ = nullptr;
};

// The dialog of a patch generator: a radius, "do it" and "cancel", and a
// credit, all taken from the logic it forwards to. Made for the quasitiler
// (TForm6) and for the penrose patch.
template <class Logic>
class RadiusForm : public QDialog {
public:
    RadiusForm(Tiling& t, Shell& shell, QWidget* parent);

private:
    Logic logic_;
    QLineEdit* edit_ = nullptr;
};
using TForm6 = RadiusForm<QuasitilerDialog>;
using PenrosePatchForm = RadiusForm<PenrosePatchDialog>;

// The about box: no title bar, 348 x 271 pixels.
class TForm7 : public QDialog {
public:
    static constexpr int kWidth = 348;
    static constexpr int kHeight = 271;
    static constexpr int kPictureWidth = 350;
    static constexpr int kPictureHeight = 100;
    explicit TForm7(QWidget* parent);
};

// The about box's picture: a small generated patch drawn by the tiling
// renderer, large shapes in kAboutLargeColor and small ones in
// kAboutSmallColor, outlined in black on kAboutBackground.
inline constexpr Color kAboutBackground = 0xffffff;
inline constexpr Color kAboutLargeColor = 0x78d2ff;  // warm yellow
inline constexpr Color kAboutSmallColor = 0xc86e46;  // steel blue
QImage aboutPicture();

}  // namespace rho
