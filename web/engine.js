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

  const raw = (address) => {
    const memory = new Uint8Array(x.memory.buffer);
    const end = memory.indexOf(0, address);
    return memory.subarray(address, end);
  };
  const text = (address) => decoder.decode(raw(address));
  const put = (bufferFor, value) => {
    const bytesOf = encoder.encode(value);
    const address = bufferFor(bytesOf.length);
    new Uint8Array(x.memory.buffer, address, bytesOf.length).set(bytesOf);
  };
  const list = (form) => [form.male ? 1 : 0, form.dayIndex, form.monthIndex, form.yearIndex];

  return {
    page: () => JSON.parse(text(x.korvane_page())),
    check(form) {
      put(x.korvane_name_buffer, form.name);
      return JSON.parse(text(x.korvane_check(form.male ? 1 : 0, form.female ? 1 : 0,
        form.dayIndex, form.monthIndex, form.yearIndex)));
    },
    reading: (form) => JSON.parse(text(x.korvane_reading(...list(form)))),
    // The reading's bytes as the engine wrote them, for comparisons.
    readingBytes: (form) => raw(x.korvane_reading(...list(form))),
    checkBytes(form) {
      put(x.korvane_name_buffer, form.name);
      return raw(x.korvane_check(form.male ? 1 : 0, form.female ? 1 : 0,
        form.dayIndex, form.monthIndex, form.yearIndex));
    },
    refer(fields) {
      // A field left null keeps what the engine holds for it.
      fields.forEach((value, i) => {
        if (value !== null) put((size) => x.korvane_refer_buffer(i, size), value);
      });
      return JSON.parse(text(x.korvane_refer()));
    },
  };
}
