// The reading engine, compiled from the program's C++ to WebAssembly. Every
// answer comes back as JSON made by the C++; nothing here knows a reading.
export async function loadEngine(bytes) {
  const imports = {
    env: { emscripten_notify_memory_growth() {} },
    wasi_snapshot_preview1: {
      proc_exit(code) {
        throw new Error(`the engine stopped (${code})`);
      },
    },
  };
  const { instance } = await WebAssembly.instantiate(bytes, imports);
  const x = instance.exports;
  x._initialize();
  const encoder = new TextEncoder();
  const decoder = new TextDecoder();

  // Calls an engine function: a text goes in as its bytes and their count,
  // each in memory taken for the call and given back after it.
  function call(fn, ...args) {
    const taken = [];
    const values = [];
    for (const arg of args) {
      if (typeof arg !== 'string') {
        values.push(Number(arg));
        continue;
      }
      const bytesOf = encoder.encode(arg);
      const address = x.malloc(bytesOf.length + 1);
      new Uint8Array(x.memory.buffer, address, bytesOf.length).set(bytesOf);
      taken.push(address);
      values.push(address, bytesOf.length);
    }
    const answer = fn(...values);
    taken.forEach((address) => x.free(address));
    const memory = new Uint8Array(x.memory.buffer);
    const json = decoder.decode(memory.subarray(answer, memory.indexOf(0, answer)));
    x.free(answer);
    return JSON.parse(json);
  }

  return {
    page: () => call(x.korvane_page),
    // The check of the form, then its reading: {ok, text, icon, focus} or {ok, reading};
    // texts come as the keys of their catalogue entries.
    read: (form) => call(x.korvane_read, form.name, form.male, form.female,
      form.dayIndex, form.monthIndex, form.yearIndex),
    // A reading that names no one, for list positions: {ok, reading}.
    shared: (male, dayIndex, monthIndex, yearIndex) =>
      call(x.korvane_shared_reading, male, dayIndex, monthIndex, yearIndex),
    // The picture of a reading, as a card to paint: {ok, card}.
    card: (male, dayIndex, monthIndex, yearIndex) =>
      call(x.korvane_card, male, dayIndex, monthIndex, yearIndex),
    // The catalogue (its place, English first) that answers the first of the
    // language tags (best first) that one answers; each catalogue is given
    // by the tags it answers.
    catalogueFor: (tags, catalogues) => call(x.korvane_catalogue_for, tags.join(' '),
      catalogues.map((each) => each.join(' ')).join('\n')),
    emailBox: (text) => call(x.korvane_email_box, text),
    withoutFullStop: (text) => call(x.korvane_without_full_stop, text),
    // The refer-a-friend request: {ok, address} or {ok, text, field}.
    refer: (boxes) => call(x.korvane_refer, boxes.name, boxes.email, boxes.friendName,
      boxes.friendEmail),
  };
}
