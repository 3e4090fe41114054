#pragma once
// Plain declarations shared by this folder and those above.

// The fixed tags of the drawing file: each tag's name and id, written once here. The tag
// dictionary registers them in this order after the element keywords (the order decides which
// name an id is written with: 1565 is written "roundAray", while "rightBottom" also reads as
// 1565), and the constants below name the ids for the readers and writers.
//
// TAG(name, id) gives the constant tag_id::name for the tag "name". A name that is not an
// identifier (the short tags "1" to "5") is NAMED_TAG(identifier, "name", id), its identifier
// the name after an underscore: tag_id::_1 for "1". The spellings ("Egde", "Aray", "patern",
// "tonbo", "yohaku" ...) are those of the stored files and must not be corrected.
#define KORVANE_FILE_TAGS(TAG, NAMED_TAG)                                                                          \
    /* Document structure. */                                                                                      \
    TAG(tesvanCADml, 1001) TAG(tesvanDTPml, 1002) TAG(header, 1011) TAG(maintext, 1021) TAG(pagedata, 1030)        \
    TAG(page, 1031) TAG(dspedpage, 1032) TAG(pageheader, 1033) TAG(honbunheader, 1034) TAG(entities, 1081)         \
    /* Paper, scale, trim marks, margins, coordinates. */                                                          \
    TAG(paperSize, 1110) TAG(horizontal, 1111) TAG(vertical, 1112) TAG(drawScale, 1120) TAG(numerator, 1121)       \
    TAG(denominator, 1122) TAG(tonbo, 1130) TAG(tonboEgdeColor, 1131) TAG(tonboAreaColor, 1132)                    \
    TAG(tonboEgdeDisp, 1133) TAG(tonboAreaDisp, 1134) TAG(tonboTop, 1135) TAG(tonboLeft, 1136)                     \
    TAG(tonboRight, 1137) TAG(tonboBottom, 1138) TAG(yohaku, 1140) TAG(yohakuEgdeColor, 1141)                      \
    TAG(yohakuAreaColor, 1142) TAG(yohakuEgdeDisp, 1143) TAG(yohakuAreaDisp, 1144) TAG(yohakuTop, 1145)            \
    TAG(yohakuLeft, 1146) TAG(yohakuRight, 1147) TAG(yohakuBottom, 1148) TAG(zahyoType, 1151)                      \
    TAG(zahyoScaleType, 1152) TAG(yZahyo, 1153)                                                                    \
    /* Grid. */                                                                                                    \
    TAG(grid, 1160) TAG(gridType, 1161) TAG(gridHorz, 1162) TAG(gridVert, 1163) TAG(gridPosition, 1164)            \
    TAG(origin, 1165) TAG(originDesign, 1166) TAG(plusColor, 1167) TAG(minusColor, 1168) TAG(originColor, 1169)    \
    /* Print. */                                                                                                   \
    TAG(print, 2100) TAG(offset, 2101) TAG(psout, 2102) TAG(autoTombo, 2120) TAG(chkOut, 2121) TAG(chkTati, 2130)  \
    TAG(tatiLen, 2131) TAG(chkNuritasi, 2140) TAG(nuritasiLen, 2141) TAG(chkCenter, 2150) TAG(chkOriTate, 2160)    \
    TAG(oriTateNum, 2161) TAG(chkOriYoko, 2170) TAG(oriYokoNum, 2171) TAG(colorBunpan, 2200)                       \
    /* Ink. */                                                                                                     \
    TAG(inkInfo, 1170) TAG(maker, 1171)                                                                            \
    /* Element membership. */                                                                                      \
    TAG(layer, 1401) TAG(group, 1403) TAG(unique, 1405)                                                            \
    /* Colour. */                                                                                                  \
    TAG(rgbColor, 1410) TAG(cmykColor, 1411) TAG(cmykPercent, 1412) TAG(overPrint, 1413) TAG(onOff, 1414)          \
    TAG(inkNumber, 1415) TAG(useInk, 1416) TAG(edge, 1420) TAG(paint, 1421) TAG(draw, 1422) TAG(drawType, 1423)    \
    /* Colour components. */                                                                                       \
    TAG(cyan, 3101) TAG(magenta, 3102) TAG(yellow, 3103) TAG(black, 3104) TAG(special1, 3105) TAG(special2, 3106)  \
    TAG(special3, 3107) TAG(special4, 3108) TAG(special5, 3109) TAG(edgeC, 3111) TAG(edgeM, 3112) TAG(edgeY, 3113) \
    TAG(edgeK, 3114) TAG(edgeGray, 3115) TAG(paintC, 3121) TAG(paintM, 3122) TAG(paintY, 3123) TAG(paintK, 3124)   \
    TAG(paternC, 3131) TAG(paternM, 3132) TAG(paternY, 3133) TAG(paternK, 3134) TAG(numeralC, 3141)                \
    TAG(numeralM, 3142) TAG(numeralY, 3143) TAG(numeralK, 3144) TAG(ulineC, 3151) TAG(ulineM, 3152)                \
    TAG(ulineY, 3153) TAG(ulineK, 3154) TAG(arrowC, 3161) TAG(arrowM, 3162) TAG(arrowY, 3163) TAG(arrowK, 3164)    \
    TAG(dlineC, 3171) TAG(dlineM, 3172) TAG(dlineY, 3173) TAG(dlineK, 3174)                                        \
    /* Points and point lists, with the vertex rounding list and the coordinates. */                               \
    TAG(startPoint, 1450) TAG(endPoint, 1451) TAG(midPoint, 1452) TAG(centerPoint, 1453) TAG(dispPoint, 1454)      \
    TAG(listXY, 1460) TAG(nums, 1461) TAG(aray, 1462) TAG(xyAray, 1463) TAG(typeXyAray, 1464) TAG(roundAray, 1565) \
    TAG(doubleAray, 1566) TAG(startX, 3201) TAG(startY, 3202) TAG(endX, 3203) TAG(endY, 3204) TAG(middleX, 3205)   \
    TAG(middleY, 3206) TAG(centerX, 3207) TAG(centerY, 3208) TAG(dispX, 3209) TAG(dispY, 3210) TAG(xyNums, 3211)   \
    TAG(typeXyNums, 3212)                                                                                          \
    /* Line, hatch, gray and shape parameters, with rules, rounding and margins. */                                \
    TAG(lineType, 1470) TAG(style, 1471) TAG(jisen, 1473) TAG(kuhaku, 1474) TAG(sasen, 1475) TAG(pattern, 1481)    \
    TAG(lineSize, 1491) TAG(lineOrigin, 1492) TAG(lineCap, 1493) TAG(gray, 1510) TAG(halfTone, 1511)               \
    TAG(type, 1512) TAG(vector, 1513) TAG(cuts, 1514) TAG(startGray, 1515) TAG(endGray, 1516) TAG(sensuu, 1517)    \
    TAG(kakudoC, 1518) TAG(kakudoM, 1519) TAG(kakudoY, 1520) TAG(kakudoK, 1521) TAG(openClose, 1531)               \
    TAG(ovalType, 1533) TAG(radius, 1541) TAG(radiusAray, 1542) TAG(radNum, 1543) TAG(radNumAray, 1544)            \
    TAG(sttAngle, 1545) TAG(endAngle, 1546) TAG(diameter, 1551) TAG(diameterAray, 1552) TAG(diaNum, 1553)          \
    TAG(diaNumAray, 1554) TAG(boxRules, 1560) TAG(boxRound, 1561) TAG(rightTop, 1562) TAG(leftTop, 1563)           \
    TAG(leftBottom, 1564) TAG(rightBottom, 1565) TAG(margin, 1570) TAG(top, 1571) TAG(left, 1572) TAG(right, 1573) \
    TAG(bottom, 1574) TAG(rulesHorz, 3301) TAG(rulesVert, 3302) TAG(roundRT, 3311) TAG(roundLT, 3312)              \
    TAG(roundLB, 3313) TAG(roundRB, 3314) TAG(lineStyle, 3321) TAG(paternDx, 3331) TAG(paternDy, 3332)             \
    TAG(marginTop, 3341) TAG(marginLeft, 3342) TAG(marginRight, 3343) TAG(marginBottom, 3344)                      \
    /* Default-setting sections. */                                                                                \
    TAG(setGeometry, 1201) TAG(setText, 1202) TAG(setBezier, 1203) TAG(setMeasure, 1204) TAG(edgeColor, 1211)      \
    TAG(paintColor, 1212) TAG(patternColor, 1213) TAG(textColor, 1214) TAG(ulineColor, 1215) TAG(drawColor, 1216)  \
    TAG(arrowColor, 1217) TAG(setHonbun, 1300) TAG(layoutColor, 1301) TAG(setColumn, 1302) TAG(setHasira, 1303)    \
    TAG(setNonburu, 1304) TAG(setMokuji, 1305) TAG(setSakuin, 1306) TAG(setString, 1307) TAG(setCell, 1308)        \
    TAG(setWakuake, 1310) TAG(wakuDisp, 1311) TAG(setParts, 1370) TAG(partsOrigin, 1371)                           \
    /* Measures, arrows, units, with their settings. */                                                            \
    TAG(numeral, 1601) TAG(decimalNum, 1602) TAG(numeralPos, 1603) TAG(angleType, 1605) TAG(underLine, 1611)       \
    TAG(drawLine, 1621) TAG(space, 1625) TAG(spacex, 1626) TAG(spacey, 1627) TAG(over, 1628) TAG(arrowLine, 1631)  \
    TAG(lean, 1635) TAG(unit, 1641) TAG(angleUnit, 1642) TAG(unitDisp, 1643) TAG(miriText, 1651)                   \
    TAG(inchiText, 1652) TAG(kyuText, 1653) TAG(pointText, 1654) TAG(micronText, 1655) TAG(centiText, 1656)        \
    TAG(metreText, 1657) TAG(degreeText, 1658) TAG(numeralDecNum, 3401) TAG(numeralUnit, 3403)                     \
    TAG(numeralAngleUnit, 3404) TAG(numeralUnitDsp, 3405) TAG(numeralAngleType, 3406) TAG(numeralSpace, 3407)      \
    TAG(ulineStyle, 3411) TAG(ulineSize, 3412) TAG(arrowStyle, 3421) TAG(arrowSize, 3422) TAG(arrowLength, 3423)   \
    TAG(arrowLean, 3424) TAG(dlineStyle, 3431) TAG(dlineSize, 3432) TAG(dlineSpace, 3433) TAG(dlineOver, 3434)     \
    /* Text, with faces and decoration. */                                                                         \
    TAG(font, 1701) TAG(textSize, 1702) TAG(textStyle, 1703) TAG(textFont, 1704) TAG(textData, 1705)               \
    TAG(length, 1706) TAG(data, 1707) TAG(jikan, 1711) TAG(gyokan, 1712) TAG(dansu, 1714) TAG(dankan, 1715)        \
    TAG(gsoroe, 1717) TAG(hakosoroe, 1718) TAG(kumitype, 1719) TAG(jizume, 1721) TAG(gyosuu, 1722)                 \
    TAG(hanyakumono, 1726) TAG(kinsoku, 1727) TAG(tatecyuyoko, 1728) TAG(nagasikomi, 1729) TAG(jitai, 1731)        \
    TAG(jitaiType, 1732) TAG(jitaiPsnt, 1733) TAG(shataiType, 1734) TAG(shataiPsnt, 1735) TAG(embellish, 1741)     \
    TAG(direction, 1742) TAG(distance, 1743) TAG(mesh2, 1744) TAG(cellContent, 1750) TAG(id, 1751)                 \
    TAG(currency, 1752) TAG(kanma3, 1753) TAG(tenikaKeta, 1754) TAG(substance, 1755) TAG(textLen, 3501)            \
    TAG(wabunFace, 3511) TAG(wabunStyle, 3512) TAG(kanaFace, 3513) TAG(kanaStyle, 3514) TAG(zsujiFace, 3515)       \
    TAG(zsujiStyle, 3516) TAG(oubunFace, 3521) TAG(oubunStyle, 3522) TAG(hsujiFace, 3523) TAG(hsujiStyle, 3524)    \
    TAG(syushoku, 3531) TAG(sskType, 3532) TAG(sskHoukou1, 3533) TAG(sskKyori1, 3534) TAG(sskPsnt2, 3535)          \
    TAG(sskFutosa1, 3536) TAG(sskshadowC, 3537) TAG(sskshadowM, 3538) TAG(sskshadowY, 3539) TAG(sskshadowK, 3540)  \
    TAG(sskedgeC, 3541) TAG(sskedgeM, 3542) TAG(sskedgeY, 3543) TAG(sskedgeK, 3544)                                \
    /* Images. */                                                                                                  \
    TAG(bitmapParam, 1801) TAG(width, 1802) TAG(height, 1803) TAG(bitSamp, 1804) TAG(bitmapData, 1805)             \
    TAG(startPos, 1806) TAG(arrange, 1807) TAG(binLength, 1808) TAG(binHex, 1809) TAG(imageType, 1811)             \
    TAG(fileName, 1812) TAG(mask, 1820) TAG(maskXyNums, 1821) TAG(maskXyAray, 1822)                                \
    /* Short tags. */                                                                                              \
    NAMED_TAG(_1, "1", 2801) NAMED_TAG(_2, "2", 2802) NAMED_TAG(_3, "3", 2803) NAMED_TAG(_4, "4", 2804)            \
    NAMED_TAG(_5, "5", 2805) TAG(b, 2902) TAG(c, 2903) TAG(g, 2907) TAG(k, 2911) TAG(m, 2913) TAG(p, 2916)         \
    TAG(r, 2918) TAG(s, 2919) TAG(x, 2924) TAG(y, 2925)

namespace tag_id {
#define KORVANE_TAG_ID(name, id) constexpr int name = id;
#define KORVANE_NAMED_TAG_ID(identifier, name, id) constexpr int identifier = id;
KORVANE_FILE_TAGS(KORVANE_TAG_ID, KORVANE_NAMED_TAG_ID)
#undef KORVANE_NAMED_TAG_ID
#undef KORVANE_TAG_ID
} // namespace tag_id
