// cGame's members of the engine: the resource archive, the streams and packs over it, value
// trees, the text table and its utilities, and the LZMA decoder. Included inside cGame's class
// body by game/cgame.h (no include guard); the types named here are declared in
// engine/cgame_statics.h. One banner per file that defines the members below it.
// The declarations stand inside the class body and keep its indentation:
// clang-format off

  // ---- Resource archive (engine/archive.cpp) ----
  // Reads the index of "data.bar" into archiveNames, archiveOffsets and archiveSizes, once:
  // archiveFile is set first, so a failed read is not repeated. A missing archive or a
  // negative count gives an empty index; a cut index keeps the entries read whole.
  static void loadArchiveIndex();
  // A stream over the entry called name (one leading "/" skipped, whole names compared
  // ignoring ASCII case, the first match wins), bounded to the entry; null when there is no
  // such entry or its bytes do not lie inside the archive (traced).
  static java_io_InputStream* findArchiveEntry(String* name);

  // ---- Resource streams (engine/resource_streams.cpp) ----
  // Class::getResourceAsStream(name); null when it is not found.
  static java_io_InputStream* openResource(String* name);
  static java_io_InputStream* openPackFile(String* name);
  // Closes packStream (any exception dropped), forgets it, packPosition = 0, then a collection.
  static void closeResourceStream();
  // Readers of packStream, little-endian. A read that fails or finds the end gives 0 and
  // closes packStream, so the next seek opens it again; packPosition counts what was asked.
  static int32_t readStreamByte();
  static int32_t readCurrentShort();  // unsigned
  static int32_t readCurrentInt();
  // Reads len bytes into b from off; the count read (less than len when the stream failed).
  static int32_t readStreamFully(ByteArray* b, int32_t off, int32_t len);
  // Readers of any stream; streamReadCount counts the bytes they consume. readStreamByteFrom
  // gives -1 at the end; the others raise java_io_EOFException there. An exception is left
  // pending for the caller and the value is 0.
  static int32_t readStreamByteFrom(java_io_InputStream* in);
  static int32_t readStreamShort(java_io_InputStream* in);  // unsigned
  static int32_t readStreamInt(java_io_InputStream* in);
  // As readStreamFully over in; an exception is dropped and ends the read.
  static int32_t readStreamFullyFrom(java_io_InputStream* in, ByteArray* b, int32_t off,
                                     int32_t len);
  // v stored little-endian at b[off .. off + 3]; returns off + 4.
  static int32_t writeIntLE(ByteArray* b, int32_t off, int32_t v);
  // The signed 32-bit little-endian value at b[off .. off + 3].
  static int32_t readIntLE(ByteArray* b, int32_t off);

  // ---- Resource packs (engine/pack.cpp) ----
  // Opens the pack called name unless it is the open pack: its header and part 0's offset
  // table are read and checked; a bad pack is traced and no pack is open afterwards.
  static void openPack(String* name);
  // Reads the offset table of packPart from packStream (checked; false when bad).
  static bool readPartOffsets();
  // Positions packStream on entry e and reads its type byte; the payload size, or -1 (traced)
  // when the entry cannot be reached. An entry of size 0 has no type byte and gives 0.
  static int32_t seekPackEntry(int32_t e);
  // Moves packStream to position pos of the current part file, reopening it to go back.
  static void packSeek(int32_t pos);
  // Skips n bytes of packStream.
  static void packSkip(int32_t n);
  // The payload of entry e, LZMA entries decoded; null (traced) when it cannot be read.
  static ByteArray* readPackEntry(int32_t e);
  // The value tree held by entry e; null (traced) when it does not read.
  static Object* readPackEntryObject(int32_t e);

  // ---- Value trees (engine/value_tree.cpp) ----
  // One node read from in: a byte[], short[], int[] or Object[]; null (traced) when the
  // stream ends inside it, an exception is raised, or it nests deeper than 16 levels.
  static Object* readResourceObject(java_io_InputStream* in);

  // ---- Text table (engine/text_table.cpp) ----
  // Replaces the text table with entry `entry` of pack `pack`, then caches every text.
  static void loadTextPack(String* pack, int32_t entry);
  // Parses a table from in into textCount, textOffsets and textData; the bytes consumed.
  static int32_t readTextTable(java_io_InputStream* in);
  // Fills textCache with every text and drops the offsets and the data.
  static void buildStringCache();
  // Forgets the whole table.
  static void freeTextTable();
  // Text i, or null: an empty text, an index outside the table.
  static String* getString(int32_t i);

  // ---- Text utilities (engine/text_format.cpp) ----
  // len bytes of UTF-8 from data[off]; string constant 46 when they are malformed.
  static String* decodeUtf8(ByteArray* data, int32_t off, int32_t len);
  // n in decimal, grouped by three digits with the separator that kind selects.
  static String* formatNumber(int32_t n, int32_t kind);

  // ---- LZMA decoder (engine/lzma.cpp) ----
  // Decodes one whole LZMA payload (the 13-byte header, then the range-coded data) into
  // lzmaOutput, exactly the header's unpacked size long. Bad input (short, bad properties,
  // a size or probability array too large, no memory for the arrays, a match before the
  // start of the output or past the unpacked size, an end marker before that size, a stream
  // that does not end where its size does) gives lzmaOutput null after a trace line. The
  // caller takes lzmaOutput and clears it; a small lzmaProbs stays for the next entry.
  static void lzmaDecode(ByteArray* payload);
  // Decodes unpackedSize bytes of data into lzmaOutput with lzmaProbs; nothing when probBytes
  // is less than twice the probability count. False (traced) when the data is corrupt.
  static bool lzmaDecodeData(int32_t probBytes, int32_t lc, int32_t lp, int32_t pb, ByteArray* data,
                             int32_t unpackedSize);

  // The range decoder. Its registers (range, code, input position) live in one local
  // LzmaRangeDecoder per decode rather than in statics, so the decoding loop keeps them in
  // machine registers.
  struct LzmaRangeDecoder;
  static int32_t lzmaReadByte(LzmaRangeDecoder& rc);
  static void lzmaInitRange(LzmaRangeDecoder& rc, ByteArray* data, int32_t length);
  static int32_t lzmaDecodeBit(LzmaRangeDecoder& rc, int32_t index);
  static int32_t lzmaDecodeLiteral(LzmaRangeDecoder& rc, int32_t base);
  static int32_t lzmaDecodeLiteralMatched(LzmaRangeDecoder& rc, int32_t base, int32_t matchByte);
  static int32_t lzmaDecodeBitTree(LzmaRangeDecoder& rc, int32_t base, int32_t bitCount);
  static int32_t lzmaDecodeReverseBitTree(LzmaRangeDecoder& rc, int32_t base, int32_t bitCount);
  static int32_t lzmaDecodeLength(LzmaRangeDecoder& rc, int32_t base, int32_t posState);
  static uint32_t lzmaDecodeDirectBits(LzmaRangeDecoder& rc, int32_t bitCount);

  // ---- Sprite loading (engine/sprite_loader.cpp) ----
  // A new sprite from entry `entry` of the open pack; for each palette of paletteMask (bit p =
  // palette p) alphaMode 1 sets alpha, 2 applies the last palette's alpha; with buildImages
  // the module Images are built (modules whose skipModules entry is non-zero are skipped) and
  // with freeData the pixels and palettes are dropped afterwards.
  static ASprite* loadSprite(int32_t entry, int32_t paletteMask, int32_t alphaMode, int32_t alpha,
                             bool buildImages, bool freeData, int32_t, ByteArray* skipModules);
  // As loadSprite, building Images only for the frames the listed animations use.
  static ASprite* loadSpriteWithPalette(int32_t entry, int32_t paletteMask, int32_t alphaMode,
                                        int32_t alpha, bool buildImages, bool freeData, int32_t,
                                        IntArray* anims);

  // ---- Drawing wrappers (engine/effect_buffer.cpp) ----
  static void fillRect(int32_t x, int32_t y, int32_t w, int32_t h);  // on drawGraphics
  static void drawRGB(javax_microedition_lcdui_Graphics* g, IntArray* rgb, int32_t offset,
                      int32_t scanlength, int32_t x, int32_t y, int32_t w, int32_t h,
                      bool processAlpha);
  // img with its magenta pixels transparent (alpha 0).
  static javax_microedition_lcdui_Image* makeKeyedImage(javax_microedition_lcdui_Image* img);

  // ---- Stand-in for the fixed-point cosine (engine/fix_cos_seam.cpp) ----
  // 256 cos(2 pi a / 256), rounded; replaced by the maths library's cGame::fixCos.
  static int32_t fixCos(int32_t a);
