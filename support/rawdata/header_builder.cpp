#include "rawdata/header_builder.h"

#include <iterator>

#include "module.h"
#include "rawdata/byte_order.h"
#include "rawdata/file_context.h"
#include "rawdata/file_layout.h"
#include "rawdata/header_text.h"
#include "resources/string_ids.h"

namespace dsup {

namespace {

// The string table texts of a file type, and the buffers they are loaded into (so at most 3, 18
// and 8 characters are taken).
struct TypeTexts {
  LONG fileType;
  StringId typeNumber;
  StringId kind;
  StringId technique;
};

constexpr TypeTexts typeTexts[] = {
    {fileTypeGcIntegers, IDS_TYPE_108, IDS_KIND_GC, IDS_TECHNIQUE_GC},
    {fileTypeLcIntegers, IDS_TYPE_130, IDS_KIND_LC, IDS_TECHNIQUE_LC},
    {fileTypeSpectra, IDS_TYPE_131, IDS_KIND_LC, IDS_TECHNIQUE_LC},
    {fileTypeGcDoubles, IDS_TYPE_179, IDS_KIND_GC_179, IDS_TECHNIQUE_GC_179},
    {fileTypeGcIntegers48, IDS_TYPE_181, IDS_KIND_GC, IDS_TECHNIQUE_GC},
};

constexpr int typeNumberBufferUnits = 4;
constexpr int kindBufferUnits = 19;
constexpr int techniqueBufferUnits = 9;

constexpr WCHAR lineFeed = 10;
constexpr WCHAR space = 32;
constexpr BYTE unmappedAscii = '?';
constexpr WCHAR lastAscii = 0x7F;

const TypeTexts& textsOf(LONG fileType) {
  for (const TypeTexts& texts : typeTexts)
    if (texts.fileType == fileType) return texts;
  return typeTexts[0];
}

// A missing text leaves the zeroed buffer as it was: an empty text.
template <int units>
struct LoadedText {
  WCHAR text[units] = {};
  explicit LoadedText(StringId id) { LoadStringW(moduleInstance, id, text, units); }
};

void storeTypeNumberAscii(BYTE* image, LPCWSTR text) {
  const auto length = static_cast<DWORD>(boundedLength(text, typeNumberAsciiLimit));
  image[offsets::typeNumberAscii] = static_cast<BYTE>(length);
  for (DWORD i = 0; i < length; ++i)
    image[offsets::typeNumberAscii + 1 + i] = text[i] <= lastAscii ? static_cast<BYTE>(text[i]) : unmappedAscii;
}

// The date and time arrive with a line feed between time and date; the header keeps one line.
void replaceLineFeeds(BYTE* image, TextField field) {
  BYTE* text = image + field.offset;
  for (DWORD i = 0; i < text[0]; ++i) {
    BYTE* unit = text + 1 + 2 * i;
    if (unit[0] == lineFeed && unit[1] == 0) storeLittleEndian16(unit, space);
  }
}

void storeSpectraFields(BYTE* image, const RwdFileContext& context, const RwdHeaderParameters& parameters) {
  storeBigEndianDouble(image + offsets::value3085, parameters.value3085);
  storeText(image, texts::text3093, parameters.text3093);
  storeBigEndian16(image + offsets::spectrumKind, parameters.spectrumKind);
  storeBigEndian16(image + offsets::spectrumKindCopy, parameters.spectrumKind);
  storeText(image, texts::text3136, parameters.text3136);
  storeBigEndian16(image + offsets::indexFlag, context.indexOpen);
}

}  // namespace

void RwdBuildHeader(RwdFileContext* context, const RwdHeaderParameters* parameters) {
  BYTE* image = cacheOf(*context);
  const TypeTexts& ids = textsOf(context->fileType);
  const bool spectra = context->fileType == fileTypeSpectra;
  if (spectra) storeSpectraFields(image, *context, *parameters);

  storeBigEndian32(image + offsets::firstSectionLength, firstSectionSize);
  storeBigEndian32(image + offsets::word322, word322Value);

  const LoadedText<typeNumberBufferUnits> typeNumber(ids.typeNumber);
  storeTypeNumberAscii(image, typeNumber.text);
  storeText(image, texts::typeNumberText, typeNumber.text);
  storeText(image, texts::kindText, LoadedText<kindBufferUnits>(ids.kind).text);

  // A text2492 that does not fit its 9 characters is left out rather than cut.
  if (boundedLength(parameters->text2492, std::size(parameters->text2492)) <= texts::text2492.limit)
    storeText(image, texts::text2492, parameters->text2492);
  storeText(image, texts::techniqueText, LoadedText<techniqueBufferUnits>(ids.technique).text);
  storeText(image, texts::dateTime, parameters->dateTime);
  replaceLineFeeds(image, texts::dateTime);

  storeBigEndian32(image + offsets::fileTypeNumber, static_cast<DWORD>(context->fileType));
  storeBigEndian32(image + offsets::dataStartBlock, spectra ? spectraDataStartBlock : signalDataStartBlock);
  if (!spectra) storeBigEndian32(image + offsets::blockCount, signalDataStartBlock);
  storeText(image, texts::text1880, parameters->text1880);
  storeText(image, texts::text858, parameters->text858);
  storeBigEndian32(image + offsets::bottleNumberLong, static_cast<DWORD>(parameters->bottleNumber));
  storeBigEndian16(image + offsets::bottleNumber, static_cast<WORD>(parameters->bottleNumber));
  storeText(image, texts::text2574, parameters->text2574);
  if (parameters->word252 != 0) {
    storeBigEndian16(image + offsets::word252, parameters->word252);
    storeBigEndian16(image + offsets::word256, parameters->word256);
  }
}

void RwdBuildSignalHeader(RwdFileContext* context, DWORD rateCode, LPCWSTR text4172, LPCWSTR text4213,
                          double factor4732) {
  BYTE* image = cacheOf(*context);
  storeBigEndian32(image + offsets::secondSectionLength, secondSectionSize);
  storeBigEndian32(image + offsets::word4100, word4100Value);
  storeBigEndian16(image + offsets::word4106, word4106Value);
  storeBigEndian32(image + offsets::signalCode, signalCodeOf(context->fileType));
  storeBigEndian32(image + offsets::rateCode, rateCode);
  storeText(image, texts::text4172, text4172);
  storeText(image, texts::text4213, text4213);
  storeBigEndian16(image + offsets::dataTypeField, 0);
  storeBigEndianDouble(image + offsets::double4724, 0.0);
  storeBigEndianDouble(image + offsets::factor4732, factor4732);
}

}  // namespace dsup
