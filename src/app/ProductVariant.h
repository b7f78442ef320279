// The three products built from these sources differ only in their application identifier;
// everything that names a product asks this class which one is running.
#pragma once

#include <QString>

class ProductVariant {
public:
    enum Kind { Tumbo, Tremolax, Orvisto };

    static constexpr const char *TremolaxIdentifier = "com.tremolax.viewer";
    static constexpr const char *OrvistoIdentifier = "com.orvisto.viewer";

    // The identifier compiled into the running program; set once at start.
    static void setIdentifier(const QString &identifier);
    static QString identifier();
    // Any identifier other than the Orvisto and Tremolax ones is the default product.
    static Kind kindOf(const QString &identifier);
    static Kind current();

    // Left edge of the vehicle identifier in the title strip.
    static int vehicleIdX(Kind kind);
    // The address the home-page command opens.
    static QString homePage(Kind kind);
};
