// The menu commands of the main window. The file, picture, check and help
// commands are bound here and filled in by their own modules.
#include "app/TForm1.h"
#include "dialogs/TAboutBox.h"

// A new character; unsaved edits go without a question.
void TForm1::New1Click() { ResetAndShowAll(); }

void TForm1::Exit1Click() { close(); }

void TForm1::About1Click() { AboutBox()->exec(); }

void TForm1::Open1Click() {}
void TForm1::SaveAs1Click() {}
void TForm1::Save1Click() {}
void TForm1::SaveDialog1TypeChange() {}
void TForm1::I1Click() {}
void TForm1::N1Click() {}
void TForm1::Contents1Click() {}
