// The worker side of the page's engine (web/page/engine.js): one instance of the module, the
// objects the page made, kept by handle, and every request answered in order with its
// result or its error. Typed arrays in a result are handed over, not copied. This code runs
// inside the function that also holds the module (bundle.cmake), so its names are its own.

const pennatranCore = createPennatran();
const pennatranObjects = new Map();
// The names called, for tests that ask where the work ran.
const pennatranCalled = new Set();
let pennatranNextHandle = 1;

function pennatranObject(handle) {
  const object = pennatranObjects.get(handle);
  if (!object) throw new Error(`No object ${handle}`);
  return object;
}

// A handle given as an argument stands for its object.
function pennatranArgument(value) {
  return value && typeof value === "object" && typeof value.pennatranHandle === "number"
    ? pennatranObject(value.pennatranHandle) : value;
}

// The buffers of the typed arrays in a result, a level or two down. Never the module's
// memory: a view straight into it must be copied.
function pennatranTransfers(value, memory, found = new Set(), depth = 0) {
  if (ArrayBuffer.isView(value)) {
    if (value.buffer !== memory && value.buffer instanceof ArrayBuffer) found.add(value.buffer);
  } else if (depth < 2 && value && typeof value === "object") {
    for (const item of Object.values(value)) pennatranTransfers(item, memory, found, depth + 1);
  }
  return [...found];
}

function pennatranFunction(owner, name, what) {
  if (typeof owner[name] !== "function") throw new Error(`No ${what} ${name}`);
  return owner[name];
}

self.onmessage = async ({ data }) => {
  const { id, op, name, handle, args = [] } = data;
  let core;
  try {
    core = await pennatranCore;
    const values = args.map(pennatranArgument);
    let result;
    if (op === "create") {
      const made = new (pennatranFunction(core, name, "class"))(...values);
      const madeHandle = pennatranNextHandle++;
      pennatranObjects.set(madeHandle, made);
      result = { pennatranHandle: madeHandle };
    } else if (op === "call") {
      const object = pennatranObject(handle);
      result = pennatranFunction(object, name, "method").apply(object, values);
      pennatranCalled.add(name);
    } else if (op === "callInParts") {
      // The method hands over parts of its result as it makes them, through a last argument.
      const object = pennatranObject(handle);
      const sendPart = (part) => self.postMessage({ id, part }, pennatranTransfers(part, core.HEAP8?.buffer));
      result = pennatranFunction(object, name, "method").apply(object, [...values, sendPart]);
      pennatranCalled.add(name);
    } else if (op === "run") {
      result = pennatranFunction(core, name, "function")(...values);
      pennatranCalled.add(name);
    } else if (op === "destroy") {
      pennatranObject(handle).delete();
      pennatranObjects.delete(handle);
    } else if (op === "calls") {
      result = { scope: self.constructor.name, calls: [...pennatranCalled] };
    } else if (op !== "ready") {
      throw new Error(`No request ${op}`);
    }
    self.postMessage({ id, result }, pennatranTransfers(result, core.HEAP8?.buffer));
  } catch (error) {
    const message = error instanceof Error ? error.message : String(error);
    self.postMessage({ id, error: message || "Error" });
  }
};
