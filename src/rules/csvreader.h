#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

// One line of a comma-separated file, split into its fields.
struct CsvLine {
    qsizetype number = 0; // the line in the file, counting from 1
    QStringList fields;
    QString fault; // why the line could not be split; its fields are then left out
};

// Splits UTF-8 text, with or without a byte order mark, into lines ended by LF or CR LF (a last
// line may lack its end), and each line at its commas. A field that begins with a quotation mark
// runs to the next one that is not doubled, takes commas as they are and a doubled quotation mark
// as one; only a comma or the end of the line may follow it. Blank lines (nothing but spaces and
// tabs) are left out. Bytes that are not UTF-8 come out as U+FFFD.
QList<CsvLine> readCsvLines(QByteArrayView bytes);

// Why the bytes are no single-byte or UTF-8 text, or an empty text: UTF-16, as a spreadsheet saves
// "Unicode text", or bytes that hold NUL. Such a file is not read line by line, which would only
// give findings on lines that are not there; the import and tavo-check both refuse it with this.
QString encodingFault(QByteArrayView bytes);
