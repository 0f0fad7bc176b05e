#pragma once

#include <QProxyStyle>

namespace core {

// The application's widget style with tool bar and menu bar extension icons painted instead of
// read from files: the first image file read asks every image-format plugin whether it reads it,
// which loads them all, with their libraries, before the first frame.
class ExtensionIconStyle : public QProxyStyle {
    Q_OBJECT

public:
    explicit ExtensionIconStyle(const QString& baseStyleKey);

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

} // namespace core
