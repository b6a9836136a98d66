#pragma once

// Makes the help window's read-only text boxes readable for screen readers: each box is
// exposed as read-only text (not as a label) whose text is the document's, with every picture
// replaced by the picture's description, so that reading line by line reaches it in words.
// Safe to call more than once.
void makeDocumentBoxesReadable();
