#pragma once

#include <QString>

class QIODevice;

// Reads a picture's width and height from the file itself: the GIF logical screen,
// the PNG IHDR chunk, or the JPEG frame header through libjpeg. Only the few bytes
// each format needs are read, and any input (empty, cut short, not a picture at all)
// gives an answer instead of a crash or a hang.
class ImageSize
{
public:
    enum class Format { Other, Gif, Png, Jpeg };
    enum class Status {
        Read,      // width and height are valid
        Unchanged, // not this format (or no size in it): the fields keep what they had
        Failed     // could not be read; error says why
    };
    struct Result
    {
        Status status = Status::Unchanged;
        quint32 width = 0;
        quint32 height = 0;
        QString error;
    };

    // By the extension, compared without regard to case: .gif, .png, .jpg and .jpeg.
    static Format formatOf(const QString &fileName);

    // Picks the reader by the extension; another extension reads nothing.
    static Result readFile(const QString &fileName);

    // The readers start at the device's current position, which should be its start.
    static Result readGif(QIODevice &device);
    static Result readPng(QIODevice &device);
    static Result readJpeg(QIODevice &device);
};
