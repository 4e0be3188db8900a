// The page's engine: the core's module runs in a worker, so that loading and drawing a big
// drawing never hold up the page. Every request is answered in the order it was made.
//   const engine = await PennatranEngine.start();
//   const id = await engine.create("Drawing");      // an object of the module, by handle
//   const r = await engine.call(id, "load", ...);   // one of its methods
//   await engine.callInParts(id, "previewRecordingInParts", (part) => ..., ...);
//   const f = await engine.run("verticalForms", ...); // a function of the module
//   await engine.destroy(id);
// A handle may be given as an argument and stands for its object there. Typed arrays among
// the arguments and in the results are handed over, not copied: the sender's copy is
// emptied. A failure comes back as a rejected promise.
"use strict";

const PennatranEngine = (() => {
  // The buffers of the typed arrays among the values, a level down.
  function transfers(values) {
    const found = new Set();
    for (const value of values) {
      if (ArrayBuffer.isView(value)) found.add(value.buffer);
      else if (value instanceof ArrayBuffer) found.add(value);
    }
    return [...found];
  }

  class Engine {
    constructor(worker) {
      this.worker = worker;
      this.pending = new Map();
      this.nextId = 1;
      this.failure = null;
      worker.onmessage = ({ data }) => {
        const request = this.pending.get(data.id);
        if (!request) return;
        if ("part" in data) {
          request.onPart(data.part);
          return;
        }
        this.pending.delete(data.id);
        if ("error" in data) request.reject(new Error(data.error));
        else request.resolve(data.result);
      };
      // The worker is gone (its script failed, or the memory ran out): nothing more is answered.
      const stop = (event) => {
        this.failure = new Error(event?.message || "The engine stopped");
        for (const request of this.pending.values()) request.reject(this.failure);
        this.pending.clear();
      };
      worker.onerror = stop;
      worker.onmessageerror = stop;
    }

    // Starts the worker from the module and worker code that pennatran-worker.js brings.
    static async start(main = globalThis.PennatranWorkerMain) {
      const url = URL.createObjectURL(new Blob([`(${main.toString()})();`], { type: "text/javascript" }));
      try {
        const engine = new Engine(new Worker(url));
        await engine.request({ op: "ready" });
        return engine;
      } finally {
        URL.revokeObjectURL(url);
      }
    }

    request(message, args = [], onPart = null) {
      if (this.failure) return Promise.reject(this.failure);
      const id = this.nextId++;
      return new Promise((resolve, reject) => {
        this.pending.set(id, { resolve, reject, onPart });
        this.worker.postMessage({ ...message, id, args }, transfers(args));
      });
    }

    create(className, ...args) {
      return this.request({ op: "create", name: className }, args);
    }

    call(handle, method, ...args) {
      return this.request({ op: "call", name: method, handle: handle.pennatranHandle }, args);
    }

    // A method that hands over its result in parts as it makes them: onPart(part) is called
    // for each, in order, before the call's own result comes.
    callInParts(handle, method, onPart, ...args) {
      return this.request({ op: "callInParts", name: method, handle: handle.pennatranHandle }, args, onPart);
    }

    run(name, ...args) {
      return this.request({ op: "run", name }, args);
    }

    destroy(handle) {
      return this.request({ op: "destroy", handle: handle.pennatranHandle });
    }

    // Where the calls ran and their names: { scope, calls }.
    calls() {
      return this.request({ op: "calls" });
    }

    stop() {
      this.worker.terminate();
      this.failure = new Error("The engine stopped");
    }
  }

  return { start: (main) => Engine.start(main) };
})();
