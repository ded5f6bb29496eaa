#include "dealFromTexts.h"

#include "conversions.h"
#include "dataCenter.h"

void dealFromTexts(QStringView startText, QStringView endText)
{
    const Number start = roundToNumber(textToNumber(startText));
    const Number end = roundToNumber(textToNumber(endText));

    const Number previousStart = dataCenter::getStartNumber();
    const Number previousEnd = dataCenter::getEndNumber();
    dataCenter::setStartNumber(start);
    dataCenter::setEndNumber(end);
    try {
        dataCenter::makeCard();
    } catch (...) {
        dataCenter::setStartNumber(previousStart);
        dataCenter::setEndNumber(previousEnd);
        throw;
    }
}
