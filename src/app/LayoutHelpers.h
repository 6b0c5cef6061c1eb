// Small builders for the absolute layout of the main window: every control
// gets its name, its parent and its rectangle in one call.
#pragma once

#include <QString>
#include <QWidget>

#include "platform/Controls.h"

namespace app::layout {

constexpr int kEditHeight = 21;
constexpr int kUpDownWidth = 16;

enum EditFlags : unsigned {
  kPlain = 0,
  kReadOnly = 1,  // RO: the user cannot type; code and spins change it
  kNoTab = 2,     // skipped by the Tab key
};

template <class W>
W* Named(W* w, const char* name) {
  w->setObjectName(QString::fromLatin1(name));
  return w;
}

template <class W>
W* Place(W* w, const char* name, int left, int top, int width, int height) {
  Named(w, name);
  w->setGeometry(left, top, width, height);
  return w;
}

// A label sized to its text, its top-left corner at (left, top).
inline ui::TLabel* AddLabel(QWidget* parent, const char* name, const QString& caption, int left, int top) {
  auto* l = Named(new ui::TLabel(caption, parent), name);
  l->move(left, top);
  l->adjustSize();
  return l;
}

inline ui::TEdit* AddEdit(QWidget* parent, const char* name, int left, int top, int width,
                          const char* text = "", unsigned flags = kPlain) {
  auto* e = Place(new ui::TEdit(parent), name, left, top, width, kEditHeight);
  e->setText(QString::fromLatin1(text));
  if (flags & kReadOnly) e->setReadOnly(true);
  if (flags & kNoTab) e->SetTabStop(false);
  return e;
}

// A spin glued to the right edge of its edit, as tall as the edit.
inline ui::TUpDown* AddUpDown(QWidget* parent, const char* name, ui::TEdit* edit, int min, int max, int position) {
  auto* u = Place(new ui::TUpDown(parent), name, edit->x() + edit->width(), edit->y(), kUpDownWidth,
                  edit->height());
  u->SetAssociate(edit);
  u->SetRange(min, max);
  u->SetPosition(position);
  return u;
}

}  // namespace app::layout
