// The card file: 54 scrambled 24-bit bitmap records.
#pragma once

#include <QByteArray>
#include <QImage>

#include <vector>

namespace tarvelle::art {

constexpr int kRecordSize = 60406;
constexpr int kRecordCount = 54;

// A complete Windows bitmap file, 24 bits per pixel, bottom-up rows padded to 4 bytes.
QByteArray encodeBmp24(const QImage& image);

// Byte i of a record (counting from 1) is XORed with i mod 256; the same call undoes it.
void scrambleRecord(char* data, qsizetype size);

// Joins the pictures (faces, Joker, default back) into the card file's bytes.
QByteArray buildCardFile(const std::vector<QImage>& pictures);

} // namespace tarvelle::art
