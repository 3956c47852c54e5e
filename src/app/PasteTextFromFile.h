#pragma once

#include <QString>

class Document;
class FileHost;

// "粘贴自...": asks for a text or rich-text file and puts its text, without
// formatting, into the document's text box. A file that cannot be opened
// asks to retry; one over TextFileReader::MaxBytes is refused and the box
// keeps its text; cancelling the dialog does nothing.
void PasteTextFromFile(FileHost &host, Document &document, const QString &folder);
