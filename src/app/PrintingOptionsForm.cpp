#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/DialogForms.h"
#include "app/Dialogs.h"
#include "app/ModalUi.h"

namespace rho {

namespace {

// One group: a check box and a line width with its up-down control.
QGroupBox* addGroup(QWidget* parent, const char* title, int y, const char* checkName, const char* checkText,
                    bool checked, const char* editName, const std::string& width, QCheckBox*& check,
                    QLineEdit*& edit) {
    using D = PrintingOptionsDialog;
    auto* group = new QGroupBox(QString::fromUtf8(title), parent);
    group->setGeometry(10, y, 236, 84);
    check = new QCheckBox(QString::fromUtf8(checkText), group);
    check->setObjectName(checkName);
    check->setChecked(checked);
    check->setGeometry(12, 22, 212, 22);
    auto* label = new QLabel(QString::fromUtf8(D::kLineWidthLabel), group);
    label->setGeometry(12, 52, 90, 22);
    edit = addUpDownEdit(group, editName, width, D::kUpDownMinimum, D::kUpDownMaximum, 110, 52, 80);
    return group;
}

}  // namespace

TForm5::TForm5(Tiling& t, QWidget* parent) : QDialog(parent), logic_(t) {
    using D = PrintingOptionsDialog;
    setWindowTitle(D::kCaption);
    setFixedSize(256, 228);
    addGroup(this, D::kFrameGroup, 8, "CheckBox1", D::kFrameCheckBox, logic_.printBoundingBox, "Edit1",
             logic_.frameWidthText, frame_, frameWidth_);
    addGroup(this, D::kShapeGroup, 100, "CheckBox2", D::kColorCheckBox, logic_.printColor, "Edit2",
             logic_.shapeWidthText, color_, shapeWidth_);

    auto* accept = new QPushButton(QString::fromUtf8(D::kAcceptButton), this);
    accept->setObjectName("Button1");
    accept->setGeometry(10, 194, 110, 26);
    accept->setDefault(true);
    auto* cancel = new QPushButton(QString::fromUtf8(D::kCancelButton), this);
    cancel->setObjectName("Button2");
    cancel->setGeometry(136, 194, 110, 26);
    connect(accept, &QPushButton::clicked, this, [this] {
        logic_.printBoundingBox = frame_->isChecked();
        logic_.printColor = color_->isChecked();
        logic_.frameWidthText = frameWidth_->text().toStdString();
        logic_.shapeWidthText = shapeWidth_->text().toStdString();
        logic_.Button1Click();
        QDialog::accept();
    });
    connect(cancel, &QPushButton::clicked, this, [this] {
        logic_.Button2Click();
        reject();
    });
}

void printingopties1Click(Tiling& t, ModalUi& ui, QWidget* parent) {
    TForm5 form(t, parent);
    ui.execDialog(form);
}

}  // namespace rho
