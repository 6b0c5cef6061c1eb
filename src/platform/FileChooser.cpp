#include "platform/FileChooser.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace ui {
namespace {

std::function<TFileChooser::Answer(const TFileChooser&)>& Answerer() {
  static std::function<TFileChooser::Answer(const TFileChooser&)> answerer;
  return answerer;
}

// What QFileDialog shows of a filter under HideNameFilterDetails: the text
// before the last parenthesised pattern group.
QString ShownFilter(const QString& filter) {
  const int open = static_cast<int>(filter.lastIndexOf(u'('));
  return open < 0 ? filter : filter.left(open).simplified();
}

// The classic chooser adds the default extension to a name without one.
QString WithDefaultExt(const QString& name, const QString& ext) {
  if (name.isEmpty() || ext.isEmpty() || QFileInfo(name).fileName().contains(u'.')) return name;
  return name + u'.' + ext;
}

}  // namespace

TFileChooser::TFileChooser(Mode mode, const QString& filter, QWidget* parent)
    : mode_(mode), filter_(filter), parent_(parent) {}

// Qt takes the patterns from the last parenthesised group of a name filter,
// so the patterns go there and the description stays as written; the
// chooser hides that group (HideNameFilterDetails).
QStringList TFileChooser::QtFilters(const QString& classicFilter) {
  QStringList out;
  if (classicFilter.isEmpty()) return out;
  const QStringList parts = classicFilter.split(u'|');
  for (qsizetype i = 0; i < parts.size(); i += 2) {
    const QString description = parts[i].trimmed();
    QStringList patterns;
    if (i + 1 < parts.size())
      for (const QString& p : parts[i + 1].split(u';', Qt::SkipEmptyParts))
        if (!p.trimmed().isEmpty()) patterns.append(p.trimmed());
    if (patterns.isEmpty()) patterns.append(QStringLiteral("*"));
    out.append(QStringLiteral("%1 (%2)").arg(description, patterns.join(u' ')));
  }
  return out;
}

bool TFileChooser::Execute() {
  if (Answerer()) {
    auto answerer = Answerer();
    const Answer answer = answerer(*this);
    if (answer.fileName.isEmpty()) return false;
    if (answer.filterIndex != filterIndex_) {
      filterIndex_ = answer.filterIndex;
      if (onTypeChange_) onTypeChange_(*this);
    }
    fileName_ = WithDefaultExt(answer.fileName, defaultExt_);
    return true;
  }

  const QStringList filters = QtFilters(filter_);
  QFileDialog dialog(parent_);
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  dialog.setOption(QFileDialog::HideNameFilterDetails, true);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !overwritePrompt_);
  const bool save = mode_ == Mode::Save;
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  // As the classic choosers: a typed name need not exist.
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setWindowTitle(save ? QStringLiteral("名前を付けて保存") : QStringLiteral("ファイルを開く"));
  dialog.setDefaultSuffix(defaultExt_);
  if (!filters.isEmpty()) {
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.value(filterIndex_ - 1, filters.first()));
  }
  if (fileName_.isEmpty()) {
    dialog.setDirectory(QDir::currentPath());
  } else {
    const QFileInfo info(fileName_);
    dialog.setDirectory(info.absolutePath());
    dialog.selectFile(info.fileName());
  }

  auto indexOf = [&filters](const QString& chosen) {
    qsizetype i = filters.indexOf(chosen);
    if (i < 0)
      for (qsizetype k = 0; k < filters.size(); ++k)
        if (ShownFilter(filters[k]) == chosen) i = k;
    return static_cast<int>(i) + 1;
  };
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& chosen) {
    const int index = indexOf(chosen);
    if (index < 1 || index == filterIndex_) return;
    filterIndex_ = index;
    if (onTypeChange_) onTypeChange_(*this);
    dialog.setDefaultSuffix(defaultExt_);
  });

  const int startIndex = filterIndex_;
  const QString startExt = defaultExt_;
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    // A cancelled chooser changes nothing, not even through the type handler.
    filterIndex_ = startIndex;
    defaultExt_ = startExt;
    return false;
  }
  fileName_ = dialog.selectedFiles().first();
  if (const int index = indexOf(dialog.selectedNameFilter()); index >= 1) filterIndex_ = index;
  return true;
}

void TFileChooser::SetAnswerer(std::function<Answer(const TFileChooser&)> answerer) {
  Answerer() = std::move(answerer);
}

}  // namespace ui
