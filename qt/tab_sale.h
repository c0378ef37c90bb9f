#pragma once

class QPlainTextEdit;

namespace tarvolo {

// Tab and Shift+Tab leave the box for the next or previous control instead
// of typing a tab; so do Ctrl+Tab and Ctrl+Shift+Tab, which a text box would
// otherwise keep for itself.
void tabSaleDelTexto(QPlainTextEdit* caja);

}  // namespace tarvolo
