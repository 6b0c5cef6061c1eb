// The attributes group: the four attribute spins and the move display.
#include "app/TForm1.h"

void TForm1::UpDown3Click(ui::UpDownButton) {}
void TForm1::UpDown4Click(ui::UpDownButton) {}
void TForm1::UpDown5Click(ui::UpDownButton) {}
void TForm1::UpDown6Click(ui::UpDownButton) {}
void TForm1::Edit7Exit() {}
void TForm1::Edit8Exit() {}
void TForm1::Edit9Exit() {}
void TForm1::Edit10Exit() {}

// A new move (from any refresh) re-derives dodge and parry.
void TForm1::Edit17Change() {
  ComputeActiveDefences(*Wrestler);
  ShowActiveDefences();
}
