// The WebAssembly engine under Node.js against the native engine, byte for
// byte, over every input the form can hand over (1900 to 2050, 12 months,
// 31 days, both sexes):  node parity.mjs SITE_DIR NATIVE_PROGRAM
import { spawn } from 'node:child_process';
import { createHash } from 'node:crypto';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { createInterface } from 'node:readline';
import { loadEngine } from '../../web/engine.js';

const [siteDir, nativeProgram] = process.argv.slice(2);
const engine = await loadEngine(readFileSync(join(siteDir, 'korvane.wasm')));
const decoder = new TextDecoder();

function* inputs() {
  for (let yearIndex = 0; yearIndex < 151; ++yearIndex)
    for (let monthIndex = 0; monthIndex < 12; ++monthIndex)
      for (let dayIndex = 0; dayIndex < 31; ++dayIndex)
        for (const male of [true, false])
          yield { name: 'A', male, female: !male, dayIndex, monthIndex, yearIndex };
}

const native = spawn(nativeProgram, { stdio: ['ignore', 'pipe', 'inherit'] });
const lines = createInterface({ input: native.stdout, crlfDelay: Infinity })[Symbol.asyncIterator]();
const wasmDigest = createHash('sha256');
const nativeDigest = createHash('sha256');
let count = 0;
let failure = null;
for (const form of inputs()) {
  const wasmLine = decoder.decode(engine.checkBytes(form)) + '\t' +
    decoder.decode(engine.readingBytes(form));
  const next = await lines.next();
  const nativeLine = next.done ? '(no line)' : next.value;
  wasmDigest.update(wasmLine + '\n');
  nativeDigest.update(nativeLine + '\n');
  ++count;
  if (!failure && wasmLine !== nativeLine) {
    let at = 0;
    while (wasmLine[at] === nativeLine[at]) ++at;
    failure = `first difference: ${form.male ? 'Male' : 'Female'}, day ${form.dayIndex + 1}, ` +
      `month ${form.monthIndex + 1}, year ${1900 + form.yearIndex}, at character ${at}:\n` +
      `  wasm:   ...${wasmLine.slice(Math.max(0, at - 40), at + 60)}\n` +
      `  native: ...${nativeLine.slice(Math.max(0, at - 40), at + 60)}`;
  }
}
const extra = await lines.next();
if (!extra.done) failure ??= 'the native engine gave more lines than there are inputs';
const wasmHex = wasmDigest.digest('hex');
const nativeHex = nativeDigest.digest('hex');
console.log(`parity: ${count} inputs; SHA-256 wasm ${wasmHex}, native ${nativeHex}`);
if (count !== 151 * 12 * 31 * 2 || wasmHex !== nativeHex || failure) {
  console.log(`parity: FAIL ${failure ?? 'digests differ'}`);
  process.exitCode = 1;
} else {
  console.log('parity: PASS');
}
