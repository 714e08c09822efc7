#pragma once
// Where printed sheets go: the system's default printer in the program, a PDF
// file when a sheet is rendered for checking. A run asks once whether the
// target is there and then opens one device for all its pages (one job).

#include <QString>
#include <memory>

class QPagedPaintDevice;

class PrintTarget {
public:
    virtual ~PrintTarget() = default;
    virtual bool available() const = 0;
    virtual std::unique_ptr<QPagedPaintDevice> open() = 0;
};

class SystemPrintTarget : public PrintTarget {
public:
    bool available() const override;
    std::unique_ptr<QPagedPaintDevice> open() override;
};

class PdfPrintTarget : public PrintTarget {
public:
    explicit PdfPrintTarget(QString path)
        : m_path(std::move(path))
    {
    }
    bool available() const override { return true; }
    std::unique_ptr<QPagedPaintDevice> open() override;

private:
    QString m_path;
};
