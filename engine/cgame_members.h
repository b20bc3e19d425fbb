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

  // ---- Byte-array reader (engine/data_cursor.cpp) ----
  // Reads at dataCursor in data and advances the cursor by the bytes read. Single values are
  // little-endian; counted arrays are a big-endian int32 count n, then n big-endian elements.
  // A read past either end gives 0 for each missing byte and sets dataReadFailed (one trace
  // line until the cursor is set again). A counted array whose count is cut off, negative or
  // larger than the bytes left gives null (traced) and moves the cursor to the end.
  // Parsers set the cursor with setDataCursor, which also clears dataReadFailed.
  static void setDataCursor(int32_t position);
  static int32_t readByte(ByteArray* data);   // signed
  static int32_t readShort(ByteArray* data);  // signed
  static int32_t readInt(ByteArray* data);
  static IntArray* readIntArray(ByteArray* data);
  static ShortArray* readShortArray(ByteArray* data);
  static ByteArray* readByteArray(ByteArray* data);

  // ---- Maths tables (engine/math_tables.cpp) ----
  // The maths pack (113): entry 0's board tables (specialKinds then replaced by the kinds
  // 7 .. 28), entry 1's sinTable1024 and atanTable1024. A table of the wrong class or too
  // short is refused (traced, left null).
  static void loadMathTables();
  // The data pack (269): entries 0 and 1, value trees, into fixCosTable (an int[] of at
  // least 65) and fixSqrtTable (an int[] of at least 256), checked as above.
  static void loadFixedPointTables();

  // ---- 1024-step angles (engine/angles_1024.cpp) ----
  // The routines below give 0 (traced once) while the table they read is missing.
  // sin(2 pi a / 1024) in 16.16, a taken modulo 1024.
  static int32_t sin1024(int32_t a);
  // The direction of (x, y), 0..1024, arguments y first: 0 along +x, 256 along +y; 256 for
  // (0, 0).
  static int32_t atan2To1024(int32_t y, int32_t x);

  // ---- 8.8 fixed point (engine/fixed_point.cpp) ----
  // 256 is 1.0; angles are 256 steps per turn.
  static int32_t fixRound(int32_t v);
  static int32_t fixMul(int32_t a, int32_t b);
  static int32_t fixDiv(int32_t a, int32_t b);  // rounded half up; 0 (traced) for b = 0
  static bool sameSign(int32_t a, int32_t b);
  static int32_t fixCos(int32_t a);
  static int32_t fixTan(int32_t a);  // 0x7FFFFFFF where the cosine is 0
  // The first a in lo .. hi - 1 with fixTan(a) <= t < fixTan(a + 1); when none, 64 if lo or
  // hi is 64, else 192 if lo or hi is 192, else 0.
  static int32_t fixAtanSearch(int32_t lo, int32_t hi, int64_t t);
  // The angle of (x, y), by search.
  static int32_t fixAtanRatio(int32_t x, int32_t y);
  // The angle of (x, y), from fixAtanTable (built on the first call).
  static int32_t fixAtan2(int32_t x, int32_t y);
  static int32_t fixSqrt(int32_t v);  // 0 for v < 0
  // (2bd + ae + cf) / 65536, truncated toward zero.
  static int32_t bezierWeighted(int32_t a, int32_t b, int32_t c, int32_t d, int32_t e, int32_t f);
  // The quadratic Bezier point at t (0..256) into bezierX and bezierY.
  static void bezierPoint(int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                          int32_t t);

  // ---- Random numbers (engine/game_random.cpp) ----
  // One step of randomSeed, then its upper 16 bits modulo n; 0 without a step for n = 0.
  static int32_t rand(int32_t n);
  // a + one step modulo (b - a); a without a step for a = b.
  static int32_t randRange(int32_t a, int32_t b);
  // A draw of sharedRandom in [lo, hi); hi without a draw when hi = lo.
  static int32_t getRandom(int32_t lo, int32_t hi);
  static int32_t popCount(int32_t m);
  // The position of the n-th set bit met scanning 0, 1, ... 31, 0, ...; -1 for mask 0 or
  // n < 1.
  static int32_t nthSetBit(int32_t mask, int32_t n);

  // ---- Drawing utilities (engine/draw_utilities.cpp) ----
  // drawGraphics = g, or screenGraphics when g is null.
  static void setDrawGraphics(javax_microedition_lcdui_Graphics* g);
  // Colour 0xFF000000 | r << 16 | g << 8 | b on drawGraphics, unmasked.
  static void setColorRGB(int32_t r, int32_t g, int32_t b);
  static void setClip(int32_t x, int32_t y, int32_t w, int32_t h);
  static void drawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
  static void drawRect(int32_t x, int32_t y, int32_t w, int32_t h);
  static javax_microedition_lcdui_Image* createRGBImage(IntArray* rgb, int32_t w, int32_t h,
                                                        bool alpha);
  // drawRGB of rgb from offset + scanlength x row; on screenGraphics cut to a W x H screen.
  static void drawRGBClipped(javax_microedition_lcdui_Graphics* g, int32_t screenWidth,
                             int32_t screenHeight, IntArray* rgb, int32_t scanlength,
                             int32_t offset, int32_t row, int32_t x, int32_t y, int32_t w,
                             int32_t h, bool alpha);
  // A gradient from colour1 to colour2 on drawGraphics, one line per step: mode 4 vertical
  // lines leftwards, 8 rightwards, 16 horizontal lines upwards, 32 downwards; other modes and
  // empty rectangles draw nothing.
  static void fillGradientRect(int32_t x, int32_t y, int32_t w, int32_t h, int32_t colour1,
                               int32_t colour2, int32_t mode);

  // ---- Bitmap-font character tables (engine/font_char_map.cpp) ----
  // Gives font its character table from a short[] (the layout of the builder's
  // tools/databuild/char_map_writer.h), then its metrics. A table that is no short[], a
  // bucket count below 1, pairs running past the table or a group naming a bucket outside
  // the table stops the build there with a trace; the buckets built so far stay.
  static void buildFontCharMap(ASprite* font, Object* table);

  // ---- Shapes (engine/draw_shapes.cpp) ----
  // On drawGraphics: its colour; a rectangle on g; the clip to the screen below playTop.
  static void setColor(int32_t rgb);
  static void fillRectOnGraphics(javax_microedition_lcdui_Graphics* g, int32_t x, int32_t y,
                                 int32_t w, int32_t h);
  static void setClipToScreen();
  // backBuffer: a new w x h Image, and backBufferGraphics its Graphics.
  static void createBackBuffer(int32_t w, int32_t h);
  // A filled arrow head of lines 2 size + 1 pixels wide at (x, y), narrowing toward its
  // point: direction 0 up, 1 down, 2 left, 3 right.
  static void fillArrow(int32_t x, int32_t y, int32_t direction, int32_t size);
  // The quadratic Bezier curve from (x0, y0) by (x1, y1) to (x2, y2) as n lines in colour1,
  // doubled one pixel right in colour2; its end is kept in bezierX, bezierY.
  static void drawBezier(int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                         int32_t n, bool doubled, int32_t colour1, int32_t colour2);
  // The triangle filled with translucent spans of the span colour row (solidPalette).
  static void fillTriangle(int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t x2, int32_t y2);

  // ---- Sound set-up and loaders (engine/sound_loaders.cpp) ----
  // The sound manager for the 38 sound slots at volume 100, the content-type names of its
  // three formats (not stored when the set-up raised, which is printed), and the further sound
  // tables.
  static void initSounds();
  // Sounds 0 to 3, 13, 14, 12 and 34 to 37 of the sound pack into soundData, with their loop
  // flags (1 for 0 to 3 and 12).
  static void loadCommonSounds();
  // Entry id of the open pack as sound id (0..37) with its loop flag; another id loads nothing
  // (traced).
  static void loadSoundEntry(int32_t id, int32_t loops);
  // One step of the level's sounds from the sound pack the loader left open: step 5 the
  // world's music (flag 1) and sounds 15 to 20; step 6 sounds 21 to 27 and those of the boss
  // kind and the level's features. Other steps load nothing.
  static void loadLevelSounds(int32_t step);

  // ---- Particle definitions (engine/particle_definitions.cpp) ----
  // Parses the emitter definitions entry into particleDefsA and particleDefsB (engine/
  // particle_definitions.cpp gives the layout). A record cut off by the end of the entry ends
  // the parse with a trace line; the definitions wholly before it are kept.
  static void loadParticleDefinitions(ByteArray* data);

  // ---- Particle emitters (engine/particle_emitters.cpp) ----
  // An emitter index outside 0..49 does nothing (reads give 0).
  // Starts the first free emitter at (x, y) in pixels with definition def; direction < 0
  // takes the definition's angle; owner is the emitter's tag. The emitter, or -1 when none is
  // free or def is not loaded (traced).
  static int32_t startParticleEmitter(int32_t x, int32_t y, int32_t def, int32_t direction,
                                      int32_t owner);
  static void setEmitterPos(int32_t e, int32_t x, int32_t y);
  static int32_t getEmitterX(int32_t e);
  static int32_t getEmitterY(int32_t e);
  static void setEmitterTarget(int32_t e, int32_t v);
  // The emitter uses num / den of its definition's particle slots (nothing for den 0).
  static void setEmitterSlotShare(int32_t e, int32_t num, int32_t den);
  // Free for reuse once it is no longer active.
  static void stopEmitter(int32_t e);
  static void clearEmitterWord4(int32_t e);
  static bool isEmitterState1(int32_t e);  // still active
  // No more bursts, and every live particle dead.
  static void killEmitterParticles(int32_t e);
  static void resetEmitterParticles(int32_t e);  // every particle dead
  static void countLiveParticles(int32_t e);     // into particleLiveCount
  // One burst: dead slots filled until the definition's A[6] particles are made.
  static void spawnEmitterParticles(int32_t e);

  // ---- Particle frame (engine/particle_update.cpp) ----
  // Every active emitter's frame by frameTime, above 1000 live particles with a share of
  // 1000 slots each.
  static void updateParticleEmitters();
  static void updateParticleEmitter(int32_t e);

  // ---- Particle players and painting (engine/particle_paint.cpp) ----
  // Makes the particle players once the particle sprites (sprite table slots 6, 7 and 8) are
  // loaded, one per animation; then frees every emitter and kills every particle.
  static void createParticlePlayers();
  // Paints the emitter's live particles on drawGraphics in the palette (kind 3: each its own).
  static void paintParticleEmitter(int32_t e, int32_t palette);
