// Check box, radio group, drop-down list and label.
#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/Controls.h"
#include "platform/Text.h"

namespace ui {

TCheckBox::TCheckBox(const QString& caption, QWidget* parent) : QCheckBox(caption, parent) {
  // toggled, not clicked: code setting a different state counts too.
  connect(this, &QCheckBox::toggled, this, &TCheckBox::Click);
}

TRadioGroup::TRadioGroup(const QString& caption, const QStringList& items, QWidget* parent)
    : QGroupBox(caption, parent), group_(new QButtonGroup(this)) {
  group_->setExclusive(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 2, 4, 2);
  layout->setSpacing(0);
  for (int i = 0; i < items.size(); ++i) {
    auto* button = new QRadioButton(items[i], this);
    button->setObjectName(QStringLiteral("Item%1").arg(i));
    group_->addButton(button, i);
    layout->addWidget(button, 1);
  }
  // One Click per selection change: the newly checked button's toggle.
  connect(group_, &QButtonGroup::idToggled, this, [this](int, bool checked) {
    if (checked) emit Click();
  });
}

int TRadioGroup::ItemIndex() const { return group_->checkedId(); }

void TRadioGroup::SetItemIndex(int index) {
  if (index == ItemIndex() || index < -1 || index >= group_->buttons().size()) return;
  if (index >= 0) {
    Item(index)->setChecked(true);
    return;
  }
  // An exclusive group cannot uncheck its last button.
  QAbstractButton* checked = group_->checkedButton();
  group_->setExclusive(false);
  checked->setChecked(false);
  group_->setExclusive(true);
}

QRadioButton* TRadioGroup::Item(int index) const { return qobject_cast<QRadioButton*>(group_->button(index)); }

TComboBox::TComboBox(QWidget* parent) : QComboBox(parent) {
  setEditable(false);
  // activated is the user's choice only; currentIndexChanged fires from code.
  connect(this, &QComboBox::activated, this, &TComboBox::Change);
}

TLabel::TLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent) { setTextFormat(Qt::PlainText); }

void TLabel::SetSjis(const std::string& bytes) { setText(FromSjis(bytes)); }

}  // namespace ui
