// A file chooser with the classic "description|patterns|..." filter, a
// default extension and a remembered file name. Tests install an answerer.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QWidget;

namespace ui {

class TFileChooser {
 public:
  enum class Mode { Open, Save, OpenPicture };

  TFileChooser(Mode mode, const QString& filter, QWidget* parent = nullptr);

  // "desc|pat;pat|desc|pat" -> Qt name filters ("desc (pat pat)").
  static QStringList QtFilters(const QString& classicFilter);

  Mode GetMode() const { return mode_; }
  const QString& Filter() const { return filter_; }
  void SetDefaultExt(const QString& ext) { defaultExt_ = ext; }
  const QString& DefaultExt() const { return defaultExt_; }
  void SetOverwritePrompt(bool on) { overwritePrompt_ = on; }
  bool OverwritePrompt() const { return overwritePrompt_; }
  void SetHideReadOnly(bool on) { hideReadOnly_ = on; }
  bool HideReadOnly() const { return hideReadOnly_; }
  const QString& FileName() const { return fileName_; }
  void SetFileName(const QString& name) { fileName_ = name; }
  // 1-based index of the chosen file type, as the classic chooser counts.
  int FilterIndex() const { return filterIndex_; }
  void SetFilterIndex(int index) { filterIndex_ = index; }
  // Runs while the chooser is open whenever the user picks another file
  // type; FilterIndex already holds the new type, and a DefaultExt the
  // handler sets applies to the name being chosen.
  void SetOnTypeChange(std::function<void(TFileChooser&)> handler) { onTypeChange_ = std::move(handler); }

  // Shows the chooser; true when the user chose a file (FileName and
  // FilterIndex then hold the choice).
  bool Execute();

  struct Answer {
    QString fileName;  // empty: cancelled
    int filterIndex = 1;
  };
  // While set, Execute asks `answerer` instead of showing a dialog.
  static void SetAnswerer(std::function<Answer(const TFileChooser&)> answerer);

 private:
  Mode mode_;
  QString filter_;
  QWidget* parent_;
  QString defaultExt_;
  bool overwritePrompt_ = false;
  bool hideReadOnly_ = false;
  QString fileName_;
  int filterIndex_ = 1;
  std::function<void(TFileChooser&)> onTypeChange_;
};

}  // namespace ui
